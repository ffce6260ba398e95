// The key decoder fed terminal bytes and waits in any order. The byte 0xFF
// (which no terminal sends alone as a key) followed by a count stands for a
// wait of that many milliseconds; every other byte is fed.

#include <string>

#include "console/key_decoder.h"
#include "fuzz_support.h"

using namespace kvarn;

namespace {

constexpr std::uint8_t kWait = 0xFF;

// Takes every decoded key: a two-code key always comes whole.
std::size_t takeAll(KeyDecoder& decoder) {
    std::size_t codes = 0;
    while (decoder.hasKey()) {
        const std::uint8_t code = decoder.takeKey();
        ++codes;
        if (code == key::TwoCode) {
            if (!decoder.hasKey()) fuzzing::finding("a two-code key without its second code");
            decoder.takeKey();
            ++codes;
        }
    }
    return codes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    KeyDecoder decoder;
    std::size_t fed = 0, codes = 0;
    for (std::size_t k = 0; k < size; ++k) {
        const int limit = decoder.waitLimit();
        if (limit < -1 || limit > KeyDecoder::kEscapeWaitMs)
            fuzzing::finding("wait limit " + std::to_string(limit));
        if (data[k] == kWait && k + 1 < size) {
            decoder.elapse(data[++k]);
        } else if (!decoder.midSequence() && data[k] >= 0x20 && data[k] < 0x7F) {
            // Outside a sequence a printable character is its own key.
            decoder.feed(data[k]);
            ++fed;
            if (!decoder.hasKey() || decoder.takeKey() != data[k] || decoder.hasKey())
                fuzzing::finding("the character " + std::to_string(data[k]) + " alone");
            ++codes;
        } else {
            decoder.feed(data[k]);
            ++fed;
        }
        codes += takeAll(decoder);
    }
    // A wait as long as the decoder asks for settles whatever is pending.
    decoder.elapse(KeyDecoder::kEscapeWaitMs);
    codes += takeAll(decoder);
    if (decoder.waitLimit() != -1) fuzzing::finding("bytes still pending after the wait");
    if (codes > 2 * fed) fuzzing::finding("more codes than bytes can make");
    if (decoder.takeKey() != scan::Other) fuzzing::finding("a key from an empty queue");
    return 0;
}
