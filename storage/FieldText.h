#pragma once

#include "game/Text.h"
#include "game/Variant.h"

#include <optional>
#include <string>
#include <string_view>

namespace pipwright {

// The comma-separated text of the saved-game file: how each kind of value is
// written, and how the fields are taken back one after another.

std::string wholeText(long long value);
std::string singleText(Single value); // shortest text that reads back to the same value
std::string doubleText(double value);
std::string quotedText(std::string_view text);
std::string booleanText(bool value);           // #TRUE# or #FALSE#
std::string variantText(const Variant& value); // Empty writes nothing

// A number as the file writes it: an optional minus, digits, and optionally a
// point followed by digits.
bool isNumberText(std::string_view text);
// The value of a number field that holds a whole number, if it fits 64 bits.
std::optional<long long> wholeValue(std::string_view text);

struct Field {
    enum class Shape { Empty, Quoted, Bare };
    Shape shape = Shape::Empty;
    std::string_view text; // without the quotes
    int line = 0;          // counted from 1
};

// Walks the fields of a file. Commas and line ends both separate fields; blank
// lines carry none.
class FieldCursor {
public:
    explicit FieldCursor(std::string_view bytes) : bytes_(bytes) {}

    // The next field; nothing at the end of the file. A quote that is not
    // closed on its line, or text after a closing quote, sets malformed().
    std::optional<Field> next();
    const Text& malformed() const { return malformed_; }
    int line() const { return line_; }

private:
    bool atLineEnd() const;
    void skipLineEnd();

    std::string_view bytes_;
    std::size_t pos_ = 0;
    int line_ = 1;
    bool atFieldStart_ = false; // a comma was just passed: a field must follow
    Text malformed_;
};

} // namespace pipwright
