#include "forms/coordinate_form.h"

#include <array>
#include <cstdint>

#include "console/console.h"
#include "console/text_out.h"
#include "field/wire_length.h"
#include "forms/field_edit.h"

namespace kvarn {

namespace {

constexpr int kCoordinates = 3; // x, y, z of each corner
constexpr int kFieldCount = kMaxCorners * kCoordinates;

// Field f = (i - 1) * 3 + j holds coordinate j (x, y, z) of corner i, at
// column (j - 1) * 10 + 4 and row i + 2: Tab runs x1, y1, z1, x2, ..., z10.
constexpr std::array<FormField, kFieldCount> makeFields() {
    std::array<FormField, kFieldCount> table{};
    for (int f = 1; f <= kFieldCount; ++f) {
        const int i = (f - 1) / kCoordinates + 1;
        const int j = (f - 1) % kCoordinates + 1;
        table[static_cast<std::size_t>(f - 1)] = FormField{
            FormCell{static_cast<std::uint8_t>((j - 1) * 10 + 4), static_cast<std::uint8_t>(i + 2)},
            FieldKind::number};
    }
    return table;
}

constexpr std::array<FormField, kFieldCount> kFields = makeFields();
constexpr FormCell kStatusLine{1, 14};
constexpr FormCell kMarker{13, 15};
constexpr FormCell kMessageCell{5, 13}; // the total length and the checks' messages

void drawMask() {
    clearWindow();
    setBackground(9);
    setWindow(40, 3, 70, 18);
    clearWindow();
    gotoXY(1, 1);
    writeText(output, "Eingabe der Antennenkoordinaten");
    endWrite(output);
    gotoXY(1, 2);
    writeText(output, "   x         y         z");
    endWrite(output);
    for (int i = 1; i <= kMaxCorners; ++i) {
        gotoXY(1, static_cast<std::uint8_t>(i + 2));
        writeInt(output, i, 2);
        endWrite(output);
    }
    setBackground(5);
    gotoXY(1, 14);
    writeText(output, " Feldwechsel mit Tab / Backtab");
    endWrite(output);
    gotoXY(1, 16);
    writeText(output, " Eingabeende: Taste ESC");
    endWrite(output);
    setBackground(1);
}

class CoordinateEditor : public FieldEditor {
  public:
    CoordinateEditor(CornerList& startX, CornerList& startY, CornerList& startZ, CornerList& endX,
                     CornerList& endY, CornerList& endZ, double& segments, double& length)
        : FieldEditor(kFields, kStatusLine, kMarker), start_{&startX, &startY, &startZ},
          end_{&endX, &endY, &endZ}, segCount_(segments), totalLength_(length) {}

  private:
    bool accepts(std::uint8_t ch) const override { return (ch >= '0' && ch <= '9') || ch == '.'; }

    // Corner i is the start of segment i and the end of segment i - 1; a
    // corner beyond the first counts once its z has been converted.
    void storeNumber(double v) override {
        const int i = (fieldNo - 1) / kCoordinates + 1;
        const int j = (fieldNo - 1) % kCoordinates + 1;
        (*start_[j - 1])[i] = v;
        if (i > 1) {
            (*end_[j - 1])[i - 1] = v;
            if (j == kCoordinates && i - 1 > cornerCount_)
                cornerCount_ = static_cast<std::uint16_t>(i - 1);
        }
    }

    void storeText(std::string_view) override {} // every field holds a number

    bool check() override {
        if (cornerCount_ == 0) {
            message("zu wenig Daten!  ");
            return false;
        }
        segCount_ = cornerCount_;
        showTotalLength();
        if (wireLengthAccepted(totalLength_)) return true;
        message(totalLength_ > kMaxWireLength ? "Antenne zu lang! " : "Antenne zu kurz! ");
        return false;
    }

    // Every segment counts as many metres as the discretisation lays
    // elements on it, so the checked total bounds the element table.
    void showTotalLength() {
        totalLength_ = wireLength(
            cornersOf(*start_[0], *start_[1], *start_[2], *end_[0], *end_[1], *end_[2], segCount_));
        gotoXY(kMessageCell.col, kMessageCell.row);
        writeText(output, "Gesamtlaenge: ");
        writeReal(output, totalLength_, 3, 0);
        writeChar(output, 'm');
        endWrite(output);
    }

    void message(const char* text) {
        gotoXY(kMessageCell.col, kMessageCell.row);
        writeText(output, text);
        endWrite(output);
        cursorToField(fieldNo);
    }

    std::array<CornerList*, kCoordinates> start_;
    std::array<CornerList*, kCoordinates> end_;
    double& segCount_;
    double& totalLength_;
    std::uint16_t cornerCount_ = 0; // segments known so far
};

} // namespace

void coordinateForm(CornerList& startX, CornerList& startY, CornerList& startZ, CornerList& endX,
                    CornerList& endY, CornerList& endZ, double& segments, double& length) {
    drawMask();
    CoordinateEditor editor(startX, startY, startZ, endX, endY, endZ, segments, length);
    editor.run();
    setWindow(1, 1, 80, 21);
    setBackground(1);
    gotoXY(1, 21);
}

} // namespace kvarn
