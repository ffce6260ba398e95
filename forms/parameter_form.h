#pragma once
// The calculation parameter form: frequency, power, grid, height, modes and
// the output file.

#include <string>

#include "field/antenna.h"

namespace kvarn {

// Shows the form with the current values and returns after the user
// confirmed; computes lambda and omega. The frequency is checked against
// the wire for the model. Leaves the window (1, 1, 80, 24),
// background 0 and the cursor at (1, 24).
void parameterForm(double& freq, double& lambda, double& omega, double& power, double& xanf,
                   double& xend, double& yanf, double& yend, double& step, double& height,
                   char& fieldMode, bool& singleValues, bool& writeFile, std::string& fileName,
                   bool& again, double& antennaLength, AntennaModel model);

} // namespace kvarn
