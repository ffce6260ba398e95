#include "base/real_format.h"

#include <cmath>
#include <cstdio>
#include <vector>

namespace kvarn {

namespace {

std::string padLeft(std::string text, int width) {
    if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), ' ');
    return text;
}

// The exact decimal digits of m (a non-negative finite value), cut after
// `decimals` + 1 places, with the decimal point removed; `intDigits` receives
// the number of digits before the point.
std::string truncatedDigits(long double m, int decimals, std::size_t& intDigits) {
    // A binary fraction with k fractional bits has exactly k decimal places,
    // so this many places print the value exactly: no rounding inside printf.
    int exponent = m == 0 ? 0 : std::ilogb(m);
    int places = std::max(decimals + 1, 64 - exponent);
    // Room for the largest integral part of a long double (4933 digits).
    std::vector<char> buffer(static_cast<std::size_t>(places) + 4940);
    int size = std::snprintf(buffer.data(), buffer.size(), "%.*Lf", places, m);
    std::string text(buffer.data(), static_cast<std::size_t>(size));
    std::size_t point = text.find('.');
    intDigits = point;
    return text.substr(0, point) + text.substr(point + 1, static_cast<std::size_t>(decimals) + 1);
}

} // namespace

std::string formatReal(double value, int width, int decimals) {
    if (std::isnan(value)) return padLeft("Nan", width);
    if (std::isinf(value)) return padLeft(value > 0 ? "+Inf" : "-Inf", width);
    if (decimals < 0) decimals = 0;

    bool negative = std::signbit(value) && value != 0;
    long double magnitude = std::fabs(static_cast<long double>(value));
    magnitude += magnitude * 2.2204460493e-16L;

    std::size_t intDigits = 0;
    std::string digits = truncatedDigits(magnitude, decimals, intDigits);
    // Adding half a unit of the last kept place carries exactly when the
    // first dropped digit is 5 or more.
    bool roundUp = digits.back() >= '5';
    digits.pop_back();
    if (roundUp) {
        std::size_t k = digits.size();
        while (k > 0 && digits[k - 1] == '9')
            digits[--k] = '0';
        if (k == 0) {
            digits.insert(0, 1, '1');
            ++intDigits;
        } else {
            ++digits[k - 1];
        }
    }
    std::string intPart = digits.substr(0, intDigits);
    intPart.erase(0, std::min(intPart.find_first_not_of('0'), intPart.size() - 1));
    std::string text = negative ? "-" : "";
    text += intPart;
    if (decimals > 0) {
        text += '.';
        text += digits.substr(intDigits);
    }
    return padLeft(text, width);
}

std::string formatInt(long value, int width) {
    return padLeft(std::to_string(value), width);
}

} // namespace kvarn
