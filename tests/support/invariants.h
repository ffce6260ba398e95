#pragma once
// What must hold after any key sequence, whatever the user typed: the
// checks of the fuzz targets and of the random whole sessions. Each check
// returns what is wrong, or an empty text when everything holds.

#include <string>

#include "console/screen_model.h"
#include "field/antenna.h"
#include "support/memory_console.h"

namespace kvarn::testing {

// The window lies inside the screen, the cursor inside the window, and the
// screen has a cell for every column and row.
std::string screenBroken(const Screen& s);

// A result of the coordinate form: at least one segment, at most nine, and
// a total length of 1 to 800 m that matches the corners as the elements
// count them.
std::string coordinateResultBroken(double segments, double length);

// A result of the parameter form for a wire of that length: xanf <= xend,
// yanf <= yend, a step above 0, a frequency the model accepts for the wire,
// every number finite, and a field mode and file name as the form takes them.
std::string parameterResultBroken(double length, AntennaModel model);

// The element table after a discretisation: no more than 800 entries and,
// when it was built, as many as the wire's length counts.
std::string elementTableBroken(double length, bool built);

// A row from `first` to `last` that shows a number as "Nan" or "Inf".
std::string nonFiniteShown(const Screen& s, int first, int last);

// A memory console that checks the window and the cursor every time the
// screen is shown and a key is read, and on every show the rows an output
// statement writes (the cursor's row and the one above it) for a number
// shown as "Nan" or "Inf"; it keeps the first fault it finds.
class CheckingConsole : public MemoryConsole {
  public:
    using MemoryConsole::MemoryConsole;
    void show(const Screen& s) override;
    std::uint8_t nextKey() override;
    // The first fault found, after a last look at the whole screen.
    const std::string& broken();

  private:
    void check(const Screen& s, int firstRow, int lastRow);
    std::string broken_;
};

} // namespace kvarn::testing
