#pragma once
// Typed text as a number: what a number field of the forms converts.

#include <string_view>

namespace kvarn {

// Converts text of the form: an optional sign, then digits with at most one
// decimal point and at least one digit, nothing before or after. "12", "12.",
// ".5" and "-3.25" convert; ".", "-", "1.2.3" and "1-2" do not. On success the
// nearest double goes to value and the result is true; otherwise value is
// left as it was and the result is false.
bool convertNumber(std::string_view text, double& value);

} // namespace kvarn
