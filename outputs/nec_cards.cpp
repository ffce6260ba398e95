#include "outputs/nec_cards.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace kvarn {

namespace {

// Columns of the first integer field (3-5) and of every later one.
constexpr int kFirstIntegerColumns = 3;
constexpr int kIntegerColumns = 5;
// What a real may fill of its field: one column stays blank.
constexpr std::size_t kRealCharacters = kNecRealColumns - 1;
// The most decimals that can fit nine characters: "0.1234567", "1.234E+07".
constexpr int kMostDecimals = 7;
constexpr int kMostMantissa = 3;

std::string printed(const char* pattern, int digits, double value) {
    char text[64];
    std::snprintf(text, sizeof text, pattern, digits, value);
    return text;
}

std::string padded(std::string text, std::size_t width) {
    return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

std::string card(std::string_view name, std::initializer_list<long> integers,
                 std::initializer_list<double> reals) {
    std::string line(name);
    bool first = true;
    for (long value : integers) {
        line += padded(std::to_string(value), first ? kFirstIntegerColumns : kIntegerColumns);
        first = false;
    }
    for (double value : reals)
        line += necReal(value);
    return line;
}

} // namespace

std::string necReal(double value) {
    // "nan" or "inf", which NEC-2 refuses instead of computing with a wrong
    // number; the deck writer never gives one.
    if (!std::isfinite(value)) return padded(printed("%.*g", 1, value), kNecRealColumns);
    if (value == 0) value = 0; // no "-0.0"
    // Of the forms that fit, the one that reads back closest, the shorter
    // of two as close; fixed point ("20.", '#' keeps the point) unless an
    // exponent ("1.5E-07") reads back closer.
    const auto closest = [value](const char* pattern, int mostDecimals) {
        std::string best;
        double bestError = INFINITY;
        for (int decimals = 0; decimals <= mostDecimals; ++decimals) {
            const std::string form = printed(pattern, decimals, value);
            if (form.size() > kRealCharacters) continue;
            const double error = std::fabs(std::strtod(form.c_str(), nullptr) - value);
            if (error < bestError || (error == bestError && form.size() < best.size())) {
                best = form;
                bestError = error;
            }
        }
        return std::pair{best, bestError};
    };
    const auto [fixed, fixedError] = closest("%#.*f", kMostDecimals);
    const auto [exponent, exponentError] = closest("%#.*E", kMostMantissa);
    std::string best = exponentError < fixedError ? exponent : fixed;
    // "20." reads as well as "20.0", which people read more easily.
    if (best.back() == '.' && best.size() < kRealCharacters) best += '0';
    return padded(best, kNecRealColumns);
}

std::string necGeometryCard(std::string_view name, std::initializer_list<long> integers,
                            std::initializer_list<double> reals) {
    return card(name, integers, reals);
}

std::string necControlCard(std::string_view name, std::initializer_list<long> integers,
                           std::initializer_list<double> reals) {
    return card(name, integers, reals);
}

std::string necComment(std::string_view text) {
    constexpr std::string_view kFirst = "CM ", kNext = "CM   ";
    std::string out, line(kFirst);
    bool lineHasWord = false;
    std::size_t at = 0;
    while (at < text.size()) {
        if (text[at] == ' ') {
            ++at;
            continue;
        }
        std::size_t end = text.find(' ', at);
        if (end == std::string_view::npos) end = text.size();
        std::string_view word = text.substr(at, end - at);
        const std::size_t used = line.size() + (lineHasWord ? 1 : 0); // with the blank
        if (lineHasWord && used + word.size() > kNecCommentColumns) {
            out += line + "\n";
            line = kNext;
            lineHasWord = false;
            continue;
        }
        // A word longer than a whole line is cut where the line ends.
        word = word.substr(0, kNecCommentColumns - used);
        if (lineHasWord) line += ' ';
        line += word;
        lineHasWord = true;
        at += word.size();
    }
    if (!lineHasWord) line.pop_back(); // a bare "CM" for an empty text
    return out + line + "\n";
}

} // namespace kvarn
