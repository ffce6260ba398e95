#include "forms/parameter_form.h"

#include <array>
#include <cmath>
#include <cstdint>

#include "console/console.h"
#include "console/line_input.h"
#include "console/text_out.h"
#include "field/frequency.h"
#include "field/grid.h"
#include "forms/field_edit.h"

namespace kvarn {

namespace {

// Field numbers.
enum : std::int16_t {
    kFreq = 1,
    kPower,
    kXanf,
    kXend,
    kYend,
    kYanf,
    kStep,
    kHeight,
    kFieldMode,
    kOutputMode,
    kWriteFile,
    kFileName,
};

constexpr std::array<FormField, 12> kFields{{
    {{16, 1}, FieldKind::number},  // frequency
    {{16, 2}, FieldKind::number},  // power
    {{11, 4}, FieldKind::number},  // xanf
    {{26, 4}, FieldKind::number},  // xend
    {{11, 5}, FieldKind::number},  // yend
    {{11, 6}, FieldKind::number},  // yanf
    {{35, 6}, FieldKind::number},  // step
    {{19, 7}, FieldKind::number},  // height
    {{35, 13}, FieldKind::letter}, // field mode
    {{25, 16}, FieldKind::letter}, // output mode
    {{38, 17}, FieldKind::letter}, // write a file
    {{20, 18}, FieldKind::name},   // file name
}};

constexpr std::uint8_t kWindowColour = 9; // blue: the form's window

constexpr FormCell kStatusLine{1, 19};
constexpr FormCell kMarker{18, 20};
constexpr FormCell kFileNameLabelCell{1, 18};
constexpr char kFileNameLabel[] = " Ausgabedateiname:";

constexpr char kBadFrequency[] = "      ungueltige Frequenz!     ";
constexpr char kXendBelowXanf[] = "   xend ist kleiner als xanf! ";
constexpr char kYanfAboveYend[] = "   yanf ist groesser als yend!  ";
// A step of 0 would never leave the scan's point loop.
constexpr char kStepNotPositive[] = "   Schrittweite muss > 0 sein!  ";

bool isDigit(std::uint8_t ch) {
    return ch >= '0' && ch <= '9';
}
bool isLetter(std::uint8_t ch) {
    return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z');
}
bool isNumberChar(std::uint8_t ch) {
    return isDigit(ch) || ch == '-' || ch == '.';
}
bool isOneOf(std::uint8_t ch, std::string_view upperLetters) {
    return upperLetters.find(toUpper(static_cast<char>(ch))) != std::string_view::npos;
}

void writeAt(FormCell cell, std::string_view text) {
    gotoXY(cell.col, cell.row);
    writeText(output, text);
    endWrite(output);
}

void writeNumberAt(int n, double value, int decimals) {
    const FormCell cell = kFields[static_cast<std::size_t>(n - 1)].cell;
    gotoXY(cell.col, cell.row);
    writeReal(output, value, 6, decimals);
    endWrite(output);
}

void writeLetterAt(int n, char letter) {
    const FormCell cell = kFields[static_cast<std::size_t>(n - 1)].cell;
    gotoXY(cell.col, cell.row);
    writeChar(output, letter);
    endWrite(output);
}

class ParameterEditor : public FieldEditor {
  public:
    ParameterEditor(double& freq, double& power, double& xanf, double& xend, double& yanf,
                    double& yend, double& step, double& height, char& fieldMode, bool& singleValues,
                    bool& writeFile, std::string& fileName, double totalLength, AntennaModel model)
        : FieldEditor(kFields, kStatusLine, kMarker), freq_(freq), power_(power), xanf_(xanf),
          xend_(xend), yanf_(yanf), yend_(yend), step_(step), height_(height),
          fieldMode_(fieldMode), singleValues_(singleValues), writeFile_(writeFile),
          fileName_(fileName), totalLength_(totalLength), model_(model) {}

    // The labels, the help lines and every field's value.
    void drawMask() {
        clearWindow();
        setWindow(30, 2, 75, 23);
        setBackground(kWindowColour);
        clearWindow();

        writeAt({1, 1}, " Frequenz[MHz]:");
        writeAt({1, 2}, " Leistung[W]:");
        writeAt({1, 3}, " Koordinaten des Berechnungsfeldes:");
        writeAt({1, 4}, " Xanfang:");
        writeAt({19, 4}, " Xende:");
        writeAt({1, 5}, " Yende:");
        writeAt({1, 6}, " Yanfang:");
        writeAt({20, 6}, "Schrittweite:");
        writeAt({1, 7}, " Berechnungshoehe:");
        writeAt({1, 8}, " Berechnungsmodus");
        writeAt({4, 9}, " radiale E-Feldst.(R)");
        writeAt({4, 10}, " tangentiale E-Feldst.(T)");
        writeAt({4, 11}, " gesamte E-Feldst.(E)");
        writeAt({4, 12}, " magnetische Feldst.(M)");
        writeAt({4, 13}, " E-Feldst. aus der magnet.(Z):");
        writeAt({1, 14}, " Ausgabemodus");
        writeAt({4, 15}, " Einzelwertausgabe(E)");
        writeAt({4, 16}, " nur Maximalwert(M):");
        writeAt({1, 17}, " Daten auch in Datei schreiben(j/n):");
        if (writeFile_) writeAt(kFileNameLabelCell, kFileNameLabel);

        setBackground(5);
        writeAt({1, 19}, " Feldwechsel mit Tab / Backtab");
        writeAt({1, 21}, " Eingabeende: Taste ESC");

        setBackground(kEditColour);
        for (int n = kFreq; n <= kOutputMode; ++n)
            drawValue(n);
        if (singleValues_) drawValue(kWriteFile);
        if (writeFile_) drawValue(kFileName);
    }

  private:
    bool accepts(std::uint8_t ch) const override {
        switch (fieldNo) {
        case kFieldMode:
            return isOneOf(ch, "RTEMZ");
        case kOutputMode:
            return isOneOf(ch, "EM");
        case kWriteFile:
            return isOneOf(ch, "JN");
        case kFileName:
            return isNumberChar(ch) || isLetter(ch) || ch == '_';
        default: // the number fields, and no field at all after a refused frequency
            return isNumberChar(ch);
        }
    }

    void storeNumber(double v) override {
        switch (fieldNo) {
        case kFreq:
            if (acceptedFrequencies(model_, totalLength_).contains(v))
                freq_ = v;
            else
                refuse(kBadFrequency);
            break;
        case kPower:
            power_ = std::fabs(v);
            break;
        case kXanf:
            xanf_ = v;
            break;
        case kXend:
            if (rangeInOrder(xanf_, v))
                xend_ = v;
            else
                refuse(kXendBelowXanf);
            break;
        case kYend:
            yend_ = v;
            break;
        case kYanf:
            if (rangeInOrder(v, yend_))
                yanf_ = v;
            else
                refuse(kYanfAboveYend);
            break;
        case kStep:
            if (stepAccepted(std::fabs(v)))
                step_ = std::fabs(v);
            else
                refuse(kStepNotPositive);
            break;
        case kHeight:
            height_ = v;
            break;
        default:
            break;
        }
    }

    void storeText(std::string_view text) override {
        if (text.empty()) return;
        const char c = toUpper(text.front());
        switch (fieldNo) {
        case kFieldMode:
            fieldMode_ = c;
            break;
        case kOutputMode:
            singleValues_ = c == 'E';
            break;
        case kWriteFile:
            writeFile_ = c == 'J';
            break;
        case kFileName:
            fileName_ = std::string(text);
            break;
        default:
            break;
        }
    }

    // The variable keeps its value; the next Tab comes back to this field.
    void refuse(const char* message) {
        writeAt(kStatusLine, message);
        blocked = true;
        --fieldNo;
    }

    // The frequency is tested here as well: one kept from the initial value
    // or an earlier pass was never tested against this wire.
    bool check() override {
        if (!rangeInOrder(xanf_, xend_)) {
            blockAt(kXendBelowXanf, kXanf);
        } else if (!rangeInOrder(yanf_, yend_)) {
            blockAt(kYanfAboveYend, kYend);
        } else if (!acceptedFrequencies(model_, totalLength_).contains(freq_)) {
            blockAt(kBadFrequency, kFreq);
        }
        return !blocked;
    }

    void blockAt(const char* message, std::int16_t n) {
        blocked = true;
        writeAt(kStatusLine, message);
        fieldNo = n;
        cursorToField(n);
    }

    void arrivedByTab() override {
        if (fieldNo != kFileName || !writeFile_) return;
        setBackground(1);
        writeAt(kFileNameLabelCell, kFileNameLabel);
        setBackground(kEditColour);
        writeAt(field(kFileName).cell, fileName_);
    }

    // Field n's value as the mask shows it, in the editing colour.
    void drawValue(int n) override {
        switch (n) {
        case kFreq:
            writeNumberAt(n, freq_, 2);
            break;
        case kPower:
            writeNumberAt(n, power_, 1);
            break;
        case kXanf:
            writeNumberAt(n, xanf_, 1);
            break;
        case kXend:
            writeNumberAt(n, xend_, 1);
            break;
        case kYend:
            writeNumberAt(n, yend_, 1);
            break;
        case kYanf:
            writeNumberAt(n, yanf_, 1);
            break;
        case kStep:
            writeNumberAt(n, step_, 1);
            break;
        case kHeight:
            writeNumberAt(n, height_, 1);
            break;
        case kFieldMode:
            writeLetterAt(n, fieldMode_);
            break;
        case kOutputMode:
            writeLetterAt(n, singleValues_ ? 'E' : 'M');
            break;
        case kWriteFile:
            if (singleValues_) {
                writeLetterAt(n, writeFile_ ? 'J' : 'N');
            } else { // maximum only: the mask leaves the cell as the window is
                setBackground(kWindowColour);
                writeLetterAt(n, ' ');
                setBackground(kEditColour);
            }
            break;
        case kFileName:
            writeAt(field(kFileName).cell, fileName_);
            break;
        default:
            break;
        }
    }

    std::int16_t fieldAfterConfirmation() const override {
        return writeFile_ ? kFileName : kWriteFile;
    }

    void confirmationBegun() override { fieldNo = kWriteFile; }

    double& freq_;
    double& power_;
    double& xanf_;
    double& xend_;
    double& yanf_;
    double& yend_;
    double& step_;
    double& height_;
    char& fieldMode_;
    bool& singleValues_;
    bool& writeFile_;
    std::string& fileName_;
    double totalLength_;
    AntennaModel model_; // whose frequency check the form applies
};

} // namespace

void parameterForm(double& freq, double& lambda, double& omega, double& power, double& xanf,
                   double& xend, double& yanf, double& yend, double& step, double& height,
                   char& fieldMode, bool& singleValues, bool& writeFile, std::string& fileName,
                   bool& again, double& antennaLength, AntennaModel model) {
    ParameterEditor editor(freq, power, xanf, xend, yanf, yend, step, height, fieldMode,
                           singleValues, writeFile, fileName, antennaLength, model);
    editor.drawMask();
    editor.blocked = false;
    if (!again) fileName = "antenne";
    editor.run();

    lambda = wavelength(freq);
    omega = angularFrequency(freq);

    setWindow(1, 1, 80, 24);
    setBackground(0);
    gotoXY(1, 24);
}

} // namespace kvarn
