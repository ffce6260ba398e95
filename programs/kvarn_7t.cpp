// kvarn-7t: the normal program: the standing wave of the real wavelength.

#include "console/runtime_error.h"
#include "console/tty_device.h"
#include "control/main_cycle.h"

int main() {
    kvarn::openTerminalConsole();
    kvarn::endProgram(kvarn::runProgram(kvarn::kvarn7t));
}
