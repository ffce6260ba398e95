#include "forms/field_edit.h"

#include <string>

#include "console/console.h"
#include "console/key_codes.h"
#include "console/runtime_error.h"
#include "console/text_out.h"
#include "field/finite_input.h"
#include "forms/number_text.h"

namespace kvarn {

std::uint16_t entryLimit(FieldKind kind) {
    switch (kind) {
    case FieldKind::letter:
        return 1;
    case FieldKind::name:
        return 12;
    case FieldKind::number:
        break;
    }
    return 6;
}

FieldEditor::FieldEditor(std::span<const FormField> fields, FormCell statusLine, FormCell marker)
    : fields_(fields), statusLine_(statusLine), marker_(marker) {}

const FormField& FieldEditor::field(int n) const {
    if (n < 1 || n > fieldCount())
        runtimeError(kRangeCheckError, "range check: field " + std::to_string(n) + " outside 1.." +
                                           std::to_string(fieldCount()));
    return fields_[static_cast<std::size_t>(n - 1)];
}

void FieldEditor::cursorToField(int n) {
    if (n < 1 || n > fieldCount()) return;
    const FormCell& cell = field(n).cell;
    gotoXY(cell.col, cell.row);
}

void FieldEditor::run() {
    done = false;
    confirming = false;
    entry.clear();
    entryPos = 1;
    fieldNo = 1;
    refusedField_ = 0;
    cursorToField(fieldNo);
    setBackground(kEditColour);

    while (!done) {
        const std::uint8_t key = readKey();
        if (key == key::Esc)
            checkStep();
        else if (key == key::Tab && fieldNo < fieldCount())
            tabStep();
        else if (key == key::Enter && confirming)
            enterStep();
        else if (key == key::TwoCode)
            twoCodeStep();
        else if (key == key::Backspace && !confirming)
            eraseStep();
        else if (accepts(key))
            characterStep(key);
    }
}

void FieldEditor::characterStep(std::uint8_t ch) {
    if (blocked) endBlock();
    if (fieldNo < 1 || fieldNo > fieldCount()) return; // no field to type into
    // Typed text stands in the editing colour, also while the confirmation
    // shows in its own.
    if (confirming) setBackground(kEditColour);

    const FieldKind kind = field(fieldNo).kind;
    if (kind == FieldKind::letter) {
        // The letter stands on the field's cell, wherever the cursor stood;
        // the next one replaces it.
        cursorToField(fieldNo);
        entry.assign(1, static_cast<char>(ch));
        entryPos = 2;
        writeChar(output, static_cast<char>(ch));
        endWrite(output);
        cursorToField(fieldNo);
        return;
    }

    const std::uint16_t limit = entryLimit(kind);
    static_assert(kEntryCapacity >= 12, "an entry must hold the longest field");
    if (entryPos == 1) {
        // The first character blanks the value shown from earlier. The
        // cursor may stand elsewhere (behind a message, on the " OK "
        // marker): what is typed goes into the field all the same.
        cursorToField(fieldNo);
        writeText(output, std::string(limit, ' '));
        endWrite(output);
        cursorToField(fieldNo);
    }
    if (entryPos <= limit) {
        entry.resize(entryPos - 1u);
        entry.push_back(static_cast<char>(ch));
        ++entryPos;
        writeChar(output, static_cast<char>(ch));
        endWrite(output);
    }
}

// A refused text stands in its field only as long as its message blocks
// the form; then the field shows again the value it holds, and the cursor
// stays where it stood.
void FieldEditor::endBlock() {
    blocked = false;
    if (refusedField_ == 0) return;
    const int col = screen.cursorX();
    const int row = screen.cursorY();
    drawValue(refusedField_);
    refusedField_ = 0;
    gotoXY(static_cast<std::uint8_t>(col), static_cast<std::uint8_t>(row));
}

void FieldEditor::eraseStep() {
    if (entryPos <= 1) return; // a value shown from earlier is never erased
    if (field(fieldNo).kind == FieldKind::letter) {
        // The cursor stands on the letter, not behind it: the typed letter
        // gives way to the one the field holds.
        --entryPos;
        drawValue(fieldNo);
        cursorToField(fieldNo);
        return;
    }
    writeChar(output, '\b'); // back, a blank over the character, back again
    writeChar(output, ' ');
    writeChar(output, '\b');
    endWrite(output);
    --entryPos;
}

// Text typed while the confirmation shows stands in its field and has not
// been checked: Enter then checks it as Esc would, and only Enter on the
// confirmation that follows ends the form.
void FieldEditor::enterStep() {
    if (entryPos > 1)
        checkStep();
    else
        done = true;
}

void FieldEditor::endConfirmation() {
    confirming = false;
    setBackground(kEditColour);
}

// Leaving a field converts what was typed into it, also when the
// confirmation showed meanwhile.
void FieldEditor::tabStep() {
    if (blocked) return;
    if (entryPos > 1) convertStep();
    if (confirming) {
        endConfirmation();
        fieldNo = 0; // the step below lands on field 1
    }
    ++fieldNo;
    arrivedByTab();
    cursorToField(fieldNo);
}

void FieldEditor::twoCodeStep() {
    const std::uint8_t second = readKey();
    // While a refused value stands no key without a character acts; its
    // second code is read here so that it cannot type a letter either.
    if (blocked || second != scan::Backtab) return;

    if (entryPos > 1) convertStep();
    if (confirming) {
        endConfirmation();
        fieldNo = fieldAfterConfirmation();
    } else if (fieldNo > 1) {
        --fieldNo;
    }
    cursorToField(fieldNo);
}

void FieldEditor::convertStep() {
    entry.resize(entryPos - 1u);
    entryPos = 1;
    if (fieldNo < 1 || fieldNo > fieldCount()) return; // nothing can be typed there

    if (field(fieldNo).kind != FieldKind::number) {
        storeText(entry);
        return;
    }
    double value = 0;
    // Nothing the conversion makes of six characters is infinite; the check
    // stands where every typed number enters all the same.
    if (convertNumber(entry, value) && isFiniteInput(value)) {
        const std::int16_t converted = fieldNo;
        storeNumber(value);
        if (blocked) refusedField_ = converted;
    } else {
        // Right after the typed text; the field keeps its value.
        writeText(output, kConversionError);
        writeLineEnd(output);
    }
}

void FieldEditor::checkStep() {
    if (entryPos > 1) convertStep();
    if (!check()) {
        confirming = false;
        return;
    }
    showConfirmation();
}

void FieldEditor::showConfirmation() {
    setBackground(kConfirmColour);
    gotoXY(statusLine_.col, statusLine_.row);
    writeText(output, kConfirmationText);
    endWrite(output);

    gotoXY(marker_.col, marker_.row);
    confirming = true;
    confirmationBegun();
    setBackground(kMarkerColour);
    writeText(output, kMarkerText);
    endWrite(output);
    gotoXY(static_cast<std::uint8_t>(marker_.col + 1), marker_.row);
}

} // namespace kvarn
