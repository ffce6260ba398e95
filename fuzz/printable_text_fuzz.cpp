// Text made printable: whatever the bytes, the result holds no control
// character and is valid UTF-8, and text that prints comes back unchanged.

#include <string>

#include "base/printable_text.h"
#include "fuzz_support.h"

using namespace kvarn;

namespace {

// Valid UTF-8 with no C0 or C1 control and no DEL.
bool safeUtf8(const std::string& text) {
    for (std::size_t k = 0; k < text.size();) {
        const auto b = static_cast<unsigned char>(text[k]);
        if (b < 0x20 || b == 0x7f) return false;
        std::size_t length = b < 0x80 ? 1 : b >= 0xf0 ? 4 : b >= 0xe0 ? 3 : b >= 0xc2 ? 2 : 0;
        if (length == 0 || k + length > text.size()) return false;
        for (std::size_t c = 1; c < length; ++c)
            if ((static_cast<unsigned char>(text[k + c]) & 0xc0) != 0x80) return false;
        if (length == 2 && b == 0xc2 && static_cast<unsigned char>(text[k + 1]) < 0xa0)
            return false; // a C1 control
        k += length;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(fuzzing::asText(data, size));
    const std::string shown = printable(text);
    if (!safeUtf8(shown)) fuzzing::finding("not safe to show: " + shown);
    // Printable ASCII stays as it is.
    bool plain = true;
    for (char c : text)
        plain = plain && c >= 0x20 && c < 0x7f;
    if (plain && shown != text) fuzzing::finding("plain text changed: " + text);
    // Escaping twice changes nothing more.
    if (printable(shown) != shown) fuzzing::finding("escaped twice differs: " + text);
    return 0;
}
