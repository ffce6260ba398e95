// SCAFFOLD: replaced by the real terminal back end.
#include "console/tty_device.h"
#include <cstdio>
#include <cstdlib>
namespace kvarn {
void openTerminalConsole() {
    std::fprintf(stderr, "kvarn: terminal back end not built yet\n");
    std::exit(2);
}
} // namespace kvarn
