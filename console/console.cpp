#include "console/console.h"

#include <algorithm>
#include <vector>

#include "console/runtime_error.h"

namespace kvarn {

Screen screen;

namespace {

// An attached device and the screen as it was before it came.
struct Attachment {
    ConsoleDevice* device;
    Screen before;
};
std::vector<Attachment> attached; // the last one is in front
ConsoleDevice* device = nullptr;  // attached.back().device, or nullptr

} // namespace

void attachConsole(ConsoleDevice& dev, int columns, int rows) {
    attached.push_back({&dev, screen});
    device = &dev;
    screen.reset(columns, rows);
}

void detachConsole(ConsoleDevice& dev) {
    auto it = std::find_if(attached.begin(), attached.end(),
                           [&](const Attachment& a) { return a.device == &dev; });
    if (it == attached.end()) return;
    if (it + 1 == attached.end()) {
        screen = std::move(it->before);
    } else {
        // The one attached after it now follows the one before it.
        (it + 1)->before = std::move(it->before);
    }
    attached.erase(it);
    device = attached.empty() ? nullptr : attached.back().device;
}

ConsoleDevice* consoleDevice() {
    return device;
}

void resetConsole() {
    attached.clear();
    device = nullptr;
    screen = Screen{};
    screen.reset(screen.width, screen.height);
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
