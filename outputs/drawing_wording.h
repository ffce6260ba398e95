#pragma once
// The words the drawings print of their own accord, in the station's language.

#include "drawing/drawing_words.h"
#include "station/station.h"

namespace kvarn {

DrawingWords drawingWordsFor(Language language);

} // namespace kvarn
