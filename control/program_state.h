#pragma once
// All process state of the interactive programs, reset in one step.

namespace kvarn {

// Gives every piece of process state its start value: the calculation
// record (closing an output file it left open), the antenna and its
// elements, the program variant, the clock source, the console attachments
// and screen, the exit hook and the flush seam. Tests start and end with
// it; a fuzz run calls it before every input.
void resetProgramState();

} // namespace kvarn
