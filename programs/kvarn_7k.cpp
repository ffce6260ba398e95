// kvarn-7k: the special version for short Kelemen antennas.

#include "console/runtime_error.h"
#include "console/tty_device.h"
#include "control/main_cycle.h"

int main() {
    kvarn::openTerminalConsole();
    kvarn::endProgram(kvarn::runProgram(kvarn::kvarn7k));
}
