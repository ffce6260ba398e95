#pragma once
// The discretisation step of a pass, on the program's antenna: the element
// table rebuilt for the frequency and power of the parameter form.

namespace kvarn {

// The normal program: reads the corner lists, totalLength, calc.lambda and
// calc.power; writes elements and elementCount.
void discretizeAntenna();

// The special version: checks the length ratio (two lines on the console
// when it does not suit), shows the model wavelength and the length and
// asks "Ist das i.O. ? " (the reply's first character into calc.answer);
// on J rebuilds the table with the model wavelength 2 * totalLength. Returns
// false, leaving the table unchanged, when the ratio does not suit or the
// user declines.
bool discretizeShortAntenna();

} // namespace kvarn
