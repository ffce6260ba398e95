#include "outputs/drawing_wording.h"

namespace kvarn {

namespace {

DrawingWords german() {
    DrawingWords w;
    w.percentTick = "{percent} %";
    w.limitMark = "100 % = Grenzwert";
    w.colourScale = "% des Grenzwerts";
    w.limitContour = "100 % des Grenzwerts";
    w.tooClose = "zu nah am Draht";
    w.highestValue = "Höchstwert";
    w.maximum = "max. {percent} %";
    w.wireWithHeights = "Draht, Höhe der Ecken";
    w.wire = "Draht";
    w.feed = "Einspeisepunkt";
    w.cornerHeight = "z {height} m";
    w.axisX = "x (m)";
    w.axisY = "y (m)";
    w.axisZ = "z (m)";
    w.scaleBar = "{length} m";
    w.north = "N";
    w.boundary = "Grenze des eigenen Grundstücks";
    w.zone = "Sicherheitsbereich: über einem\nGrenzwert oder nicht bewertbar";
    w.zoneBelowPublic = "Bereich unter {height} m\n(Berechnungshöhe)";
    w.largestZone = "am weitesten reichender\nBereich: {zone}";
    w.otherZone = "Bereich eines anderen Bandes";
    w.place = "Ort";
    w.placeOver = "Ort über einem Grenzwert";
    w.smallestMargin = "kleinster Abstand\nzur Grundstücksgrenze";
    w.deepestCrossing = "tiefste Überschreitung\nder Grundstücksgrenze";
    w.publicHeight = "Berechnungshöhe {height} m";
    w.publicHeightOutsidePlot = "Berechnungshöhe {height} m,\naußerhalb des Grundstücks";
    w.plotExtent = "Ausdehnung des Grundstücks";
    w.margin = "Abstand {margin} m";
    w.crossesBy = "überschreitet um {margin} m";
    w.touchesBoundary = "berührt die Grenze";
    w.crossesBoundary = "überschreitet die Grenze";
    w.placeAtHeight = "{place}, z {height} m";
    w.placeOverLimit = "{place}: über einem Grenzwert";
    w.pageNumber = "Seite {page}";
    w.pageOfPages = "Seite {page} von {pages}";
    w.contentsPart = "Teil";
    w.contentsFirstPage = "Seite";
    w.contentsPageCount = "Seiten";
    w.decimalComma = true;
    return w;
}

} // namespace

DrawingWords drawingWordsFor(Language language) {
    return language == Language::de ? german() : DrawingWords{};
}

} // namespace kvarn
