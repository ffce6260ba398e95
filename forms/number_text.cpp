#include "forms/number_text.h"

#include <charconv>
#include <system_error>

namespace kvarn {

namespace {

bool isDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

// Digits with at most one point and at least one digit, nothing else.
bool isUnsignedDecimal(std::string_view text) {
    int digits = 0;
    int points = 0;
    for (char ch : text) {
        if (isDigit(ch))
            ++digits;
        else if (ch == '.')
            ++points;
        else
            return false;
    }
    return digits > 0 && points <= 1;
}

} // namespace

bool convertNumber(std::string_view text, double& value) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (!isUnsignedDecimal(text)) return false;

    // The digits alone, rounded to the nearest double; the sign is applied
    // afterwards, which rounding to nearest makes exact.
    double magnitude = 0;
    auto [end, err] = std::from_chars(text.data(), text.data() + text.size(), magnitude,
                                      std::chars_format::fixed);
    // Out of range cannot happen with the few characters a field holds; a
    // longer text would still be refused rather than misread.
    if (err != std::errc{} || end != text.data() + text.size()) return false;
    value = negative ? -magnitude : magnitude;
    return true;
}

} // namespace kvarn
