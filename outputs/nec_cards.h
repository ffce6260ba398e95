#pragma once
// The lines of a NEC-2 input deck in the fixed columns NEC-2 reads: the
// card's name in columns 1-2, integers right-aligned in columns 3-5, 6-10
// (and 11-15, 16-20 on program-control cards), reals in fields of ten
// columns after them. Every field keeps at least one blank in front and
// every real a decimal point, so nec2c, which splits a card at blanks
// instead of reading columns, reads the same numbers as NEC-2 does.

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>

namespace kvarn {

inline constexpr int kNecRealColumns = 10; // columns of a real field
// The largest integer a five-column field holds with a blank before it.
inline constexpr long kNecLargestCount = 9999;
// The longest comment line: NEC-2 reads a CM card's text from columns 3 to
// 78 (A2, 19A4), and nec2c keeps no more than 80 characters of the first.
inline constexpr std::size_t kNecCommentColumns = 78;

// A real in ten columns, right-aligned with at least one blank before it:
// fixed point or, where that keeps fewer digits, an exponent, always with
// a decimal point (a field without one would be read with an implied
// point). The nine characters keep about seven significant digits.
std::string necReal(double value);

// A geometry card (A2, I3, I5, 7F10.5): GW, GE. Integers from 0 to
// kNecLargestCount, both of them before any real; at most seven reals.
std::string necGeometryCard(std::string_view name, std::initializer_list<long> integers,
                            std::initializer_list<double> reals = {});

// A program-control card (A2, I3, 3I5, 6E10.3): GN, EX, FR, NE, NH, XQ, EN.
// Integers from 0 to kNecLargestCount, all four before any real (nec2c
// would read a real in place of a missing one); at most six reals.
std::string necControlCard(std::string_view name, std::initializer_list<long> integers,
                           std::initializer_list<double> reals = {});

// The text as CM lines of at most kNecCommentColumns, broken at blanks;
// the lines after the first are indented by two blanks. Each line ends in
// "\n".
std::string necComment(std::string_view text);

} // namespace kvarn
