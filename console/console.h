#pragma once
// The process-wide console: one screen model, shown and read through a
// device (a real terminal, or an in-memory console for tests). The six
// operations every screen of the program is drawn with.

#include <cstdint>

#include "console/screen_model.h"

namespace kvarn {

// The seam between the console and whatever stands behind it.
class ConsoleDevice {
  public:
    virtual ~ConsoleDevice() = default;
    // Makes the screen, its colours and its cursor visible.
    virtual void show(const Screen& screen) = 0;
    // The next key code, waiting for it; a two-code key yields 0 here and its
    // second code on the following call.
    virtual std::uint8_t nextKey() = 0;
    // Gives the terminal back; safe to call more than once.
    virtual void restore() {}
};

// The console state that every screen of the programs is drawn on.
extern Screen screen;

// Connects the console to a device, in front of any attached before, and
// sets up a cleared screen of the given size with the window over all of it.
// The device must outlive its use.
void attachConsole(ConsoleDevice& device, int columns, int rows);
// Disconnects the device; when it was the one in front, the device attached
// before it comes back with the screen as it left it.
void detachConsole(ConsoleDevice& device);
// The device in front, or nullptr.
ConsoleDevice* consoleDevice();
// Disconnects every device and gives the screen its start state.
void resetConsole();

void setWindow(std::uint8_t x1, std::uint8_t y1, std::uint8_t x2, std::uint8_t y2);
void gotoXY(std::uint8_t x, std::uint8_t y);
void clearWindow();
void setBackground(std::uint8_t colour);
std::uint8_t readKey();

// Writes characters at the cursor (the text output's console stream uses it).
void consolePut(std::uint8_t ch);
// Makes everything written so far visible.
void consoleShow();

} // namespace kvarn
