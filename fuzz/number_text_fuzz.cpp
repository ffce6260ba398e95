// Number conversion of the forms: it converts exactly the texts of its
// grammar, to the nearest double, and never to an infinity or a NaN.

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <string>

#include "forms/number_text.h"
#include "fuzz_support.h"

using namespace kvarn;

namespace {

// An optional sign, digits with at most one point, at least one digit.
bool inGrammar(std::string_view text) {
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) text.remove_prefix(1);
    int digits = 0, points = 0;
    for (char c : text) {
        if (c >= '0' && c <= '9')
            ++digits;
        else if (c == '.')
            ++points;
        else
            return false;
    }
    return digits > 0 && points <= 1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(fuzzing::asText(data, size));
    double value = 1234.5;
    const bool converted = convertNumber(text, value);
    if (!converted) {
        if (value != 1234.5) fuzzing::finding("a refused text changed the value: " + text);
        // Refused within the grammar only when no double holds the number.
        if (inGrammar(text)) {
            errno = 0;
            const double reference = std::strtod(text.c_str(), nullptr);
            if (errno != ERANGE && std::isfinite(reference))
                fuzzing::finding("refused a number of its grammar: " + text);
        }
        return 0;
    }
    if (!inGrammar(text)) fuzzing::finding("converted a text outside its grammar: " + text);
    if (!std::isfinite(value)) fuzzing::finding("converted to no finite number: " + text);
    errno = 0;
    const double reference = std::strtod(text.c_str(), nullptr);
    if (errno != ERANGE && value != reference)
        fuzzing::finding("not the nearest double: " + text + " gave " + std::to_string(value));
    return 0;
}
