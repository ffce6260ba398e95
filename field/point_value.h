#pragma once
// The value of a grid point in the chosen field mode, the maximum of the
// scan, and the point's table cells.

namespace kvarn {

// The mode's value of calc.sums (0 when calc.tooclose): the work of one
// point, free of effects.
double pointValue();

// The effects of one point, in scan order: raises calc.fmax with calc.xmax
// and calc.ymax (strictly, so the first of equal values stays), and in
// single-value output writes the console cell and, when the file is
// written, the file cell of the value or of the too-close mark.
void recordPoint(double value, bool tooclose, double xp, double yp);

// Reads calc.sums, calc.fieldMode, calc.tooclose, calc.xp, calc.yp,
// calc.singleValues, calc.writeFile; raises calc.fmax with calc.xmax and
// calc.ymax, and in single-value output writes the point's console cell and,
// when the file is written, its file cell. pointValue, then recordPoint.
void evaluatePoint();

} // namespace kvarn
