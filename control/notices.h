#pragma once
// The notice screens at start, each confirmed with Enter.

namespace kvarn {

// The usage notice, and in the special version its own notice after it.
void showNotice();

} // namespace kvarn
