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
    cursorToField(fieldNo);
    setBackground(kEditColour);

    while (!done) {
        const std::uint8_t key = readKey();
        if (key == key::Esc)
            checkStep();
        else if (key == key::Tab && fieldNo < fieldCount())
            tabStep();
        else if (key == key::Enter && confirming)
            done = true; // anything still typed is dropped
        else if (key == key::TwoCode)
            twoCodeStep();
        else if (key == key::Backspace && !confirming)
            eraseStep();
        else if (accepts(key))
            characterStep(key);
    }
}

void FieldEditor::characterStep(std::uint8_t ch) {
    blocked = false;
    if (fieldNo < 1 || fieldNo > fieldCount()) return; // no field to type into

    const FieldKind kind = field(fieldNo).kind;
    if (kind == FieldKind::letter) {
        // The letter stands on the field's cell; the next one replaces it.
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
        // The first character blanks the value shown from earlier.
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

void FieldEditor::eraseStep() {
    if (entryPos <= 1) return; // a value shown from earlier is never erased
    writeChar(output, '\b');   // back, a blank over the character, back again
    writeChar(output, ' ');
    writeChar(output, '\b');
    endWrite(output);
    --entryPos;
}

// Leaving the confirmation for field `next`. A character typed while it
// showed belongs to the current field; it is carried on only when the cursor
// returns to that same field, never into another one.
void FieldEditor::endConfirmation(std::int16_t next) {
    confirming = false;
    if (next != fieldNo) entryPos = 1;
    setBackground(kEditColour);
}

void FieldEditor::tabStep() {
    if (blocked) return;
    if (confirming) {
        endConfirmation(1);
        fieldNo = 0; // the step below lands on field 1
    } else if (entryPos > 1) {
        convertStep();
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

    if (confirming) {
        const std::int16_t next = fieldAfterConfirmation();
        endConfirmation(next);
        fieldNo = next;
    } else {
        if (entryPos > 1) convertStep();
        if (fieldNo > 1) --fieldNo;
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
        storeNumber(value);
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
