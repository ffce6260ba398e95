#include "console/console.h"

#include "console/runtime_error.h"

namespace kvarn {

Screen screen;

namespace {
ConsoleDevice* device = nullptr;
}

void attachConsole(ConsoleDevice& dev, int columns, int rows) {
    device = &dev;
    screen.reset(columns, rows);
}

void detachConsole(ConsoleDevice& dev) {
    if (device == &dev) device = nullptr;
}

ConsoleDevice* consoleDevice() {
    return device;
}

void setWindow(std::uint8_t x1, std::uint8_t y1, std::uint8_t x2, std::uint8_t y2) {
    screen.setWindow(x1, y1, x2, y2);
}

void gotoXY(std::uint8_t x, std::uint8_t y) {
    screen.gotoXY(x, y);
}

void clearWindow() {
    screen.clearWindow();
}

void setBackground(std::uint8_t colour) {
    screen.setBackground(colour);
}

std::uint8_t readKey() {
    // The user sees the cursor where the key will act before it is read.
    consoleShow();
    if (device == nullptr) runtimeError(kNoConsole, "no console to read keys from");
    return device->nextKey();
}

void consolePut(std::uint8_t ch) {
    screen.put(ch);
}

void consoleShow() {
    if (device != nullptr) device->show(screen);
}

} // namespace kvarn
