#pragma once
// The key loop both input forms share: moving between entry fields with Tab
// and Backtab, typing and erasing, converting typed numbers, and the check
// with Esc and confirmation with Enter. A form derives from FieldEditor and
// supplies its field table, the characters each field accepts, what a
// converted value does, its checks and the cells of its status line and its
// " OK " marker. The loop knows nothing of what the values mean.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace kvarn {

// Colours of the loop (setBackground values).
inline constexpr std::uint8_t kEditColour = 14;   // brown: typing and messages
inline constexpr std::uint8_t kConfirmColour = 0; // black: the confirmation line
inline constexpr std::uint8_t kMarkerColour = 2;  // green: the " OK " marker

// Capacity of the entry text: strings hold at most 255 characters.
inline constexpr std::uint16_t kEntryCapacity = 255;

enum class FieldKind : std::uint8_t {
    number, // up to 6 characters, converted to a number
    letter, // one letter, each new one replacing the last
    name,   // up to 12 characters, taken as text
};

// How many characters a field of that kind keeps.
std::uint16_t entryLimit(FieldKind kind);

// A place in the form window: column and row.
struct FormCell {
    std::uint8_t col = 0;
    std::uint8_t row = 0;
};

// One entry field: its cell in the form window and its kind.
struct FormField {
    FormCell cell;
    FieldKind kind = FieldKind::number;
};

inline constexpr char kConfirmationText[] = "  Zur Korrektur Tab / Backtab ";
inline constexpr char kMarkerText[] = " OK ";
inline constexpr char kConversionError[] = "fehler bei Konvertierung";

class FieldEditor {
  public:
    // fields[0] is field 1. The table must outlive the editor.
    FieldEditor(std::span<const FormField> fields, FormCell statusLine, FormCell marker);
    virtual ~FieldEditor() = default;
    FieldEditor(const FieldEditor&) = delete;
    FieldEditor& operator=(const FieldEditor&) = delete;

    // Runs the key loop from field 1 until Enter confirms a passed check of
    // everything typed.
    void run();

    // The loop's state, shared with the form's steps.
    std::int16_t fieldNo = 1;   // current field; 0 names no field
    std::string entry;          // typed since the last conversion
    std::uint16_t entryPos = 1; // where the next character goes; 1: nothing typed
    bool confirming = false;    // the checks passed; Enter ends the form
    bool done = false;          // the form has ended
    bool blocked = false;       // a refused value stands (parameter form only)

  protected:
    int fieldCount() const { return static_cast<int>(fields_.size()); }
    // Field n, 1 to fieldCount(); any other number ends the program with
    // run-time error 201.
    const FormField& field(int n) const;
    // The cursor to field n's cell; field 0 (or any number without a cell)
    // leaves the cursor where it is.
    void cursorToField(int n);

    // What the form supplies.
    // Whether the current field (fieldNo, possibly 0) takes this character.
    virtual bool accepts(std::uint8_t ch) const = 0;
    // A number typed into the current field converted to v. A form that
    // refuses it writes its message and sets blocked; the refused text then
    // stays in the field until the block ends.
    virtual void storeNumber(double v) = 0;
    // The text typed into the current letter or name field.
    virtual void storeText(std::string_view text) = 0;
    // The form's checks after Esc. On failure the form writes its message,
    // places the cursor and returns false.
    virtual bool check() = 0;
    // Tab has just made fieldNo the current field; the cursor goes there next.
    virtual void arrivedByTab() {}
    // The field Backtab out of the confirmation returns to.
    virtual std::int16_t fieldAfterConfirmation() const { return fieldNo; }
    // The confirmation has just begun; the marker is written next.
    virtual void confirmationBegun() {}
    // Draws field n's value as the form shows it, over whatever stands in
    // the field; the cursor may be left anywhere. A form whose fields show
    // nothing but what was typed into them draws nothing.
    virtual void drawValue(int /*n*/) {}

  private:
    void characterStep(std::uint8_t ch);
    void endBlock();
    void eraseStep();
    void tabStep();
    void twoCodeStep();
    void convertStep();
    void checkStep();
    void enterStep();
    void showConfirmation();
    void endConfirmation();

    std::span<const FormField> fields_;
    FormCell statusLine_;
    FormCell marker_;
    std::int16_t refusedField_ = 0; // shows a refused text; 0: none
};

} // namespace kvarn
