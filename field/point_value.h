#pragma once
// The value of a grid point in the chosen field mode, the maximum of the
// scan, and the point's table cells.

namespace kvarn {

// The mode's value of calc.sums (0 when calc.tooclose): the work of one
// point, free of effects.
double pointValue();

// Reads calc.sums, calc.fieldMode, calc.tooclose, calc.xp, calc.yp,
// calc.singleValues, calc.writeFile; raises calc.fmax with calc.xmax and
// calc.ymax, and in single-value output writes the point's console cell and,
// when the file is written, its file cell.
void evaluatePoint();

} // namespace kvarn
