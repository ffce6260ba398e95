#include "drawing/drawing_words.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace kvarn {

std::string
fillPattern(std::string_view pattern,
            std::initializer_list<std::pair<std::string_view, std::string_view>> values) {
    std::string text;
    std::size_t from = 0;
    while (from < pattern.size()) {
        const std::size_t open = pattern.find('{', from);
        const std::size_t close =
            open == std::string_view::npos ? open : pattern.find('}', open + 1);
        if (close == std::string_view::npos) break;
        text += pattern.substr(from, open - from);
        const std::string_view name = pattern.substr(open + 1, close - open - 1);
        const auto value = std::find_if(values.begin(), values.end(),
                                        [&](const auto& v) { return v.first == name; });
        if (value != values.end()) {
            text += value->second;
            from = close + 1;
        } else {
            // Not one of ours: the brace stays, and the search goes on after it.
            text += '{';
            from = open + 1;
        }
    }
    text += pattern.substr(std::min(from, pattern.size()));
    return text;
}

std::string decimalMark(std::string number, const DrawingWords& words) {
    if (words.decimalComma) std::replace(number.begin(), number.end(), '.', ',');
    return number;
}

std::string fixedNumber(double value, int decimals, const DrawingWords& words) {
    char text[48];
    std::snprintf(text, sizeof text, "%.*f", decimals, value + 0.0);
    return decimalMark(text, words);
}

std::string shortNumber(double value, const DrawingWords& words) {
    // Rounded to hundredths, %g drops the trailing zeros; adding 0 turns a
    // negative zero into a plain one.
    const double rounded = std::round(value * 100) / 100 + 0.0;
    char text[48];
    std::snprintf(text, sizeof text, "%.10g", rounded);
    return decimalMark(text, words);
}

} // namespace kvarn
