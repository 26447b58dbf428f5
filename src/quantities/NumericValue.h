#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace formules {

// How the calculations turn a box's text into a number; the one grammar of a decimal number.
//
// Spaces, tabs and line feeds are ignored wherever they stand. A decimal number is
// [sign] digits [separator digits] [E|D [sign] digits] with at least one digit, where the
// separator is a period or a comma (a French user types 1,5 and the program writes its own
// results with a comma in a French locale). The digits are converted with correct rounding; a
// number too small for a double reads as 0.

// Blanks: ignored wherever they stand in a box's text.
inline bool isIgnoredBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

// The text without its blanks: the text itself when it has none, otherwise a copy kept in the
// storage, since a pasted text can be very long.
std::string_view withoutBlanks(std::string_view text, std::string& storage);

// The numeric value of a text: the longest decimal number its start holds, so that "12abc"
// reads 12 and "5-3" reads 5. A text starting with &H or &O is a whole number in hexadecimal or
// octal. Anything that does not start a number reads as 0; this never fails on text. Empty only
// when the number lies beyond the range of a double.
std::optional<double> numericValue(std::string_view text);

// A blank-free text read as a whole: whether all of it is one number of the kind asked for, and
// then its value, nothing when it lies beyond the range of a double.
struct WholeReading {
    bool matches = false;
    std::optional<double> value;
};

// One decimal number and nothing else: "7.1", "-2,5E3", ".47".
WholeReading wholeDecimal(std::string_view plain);

// A whole number written with &H and hexadecimal digits, or &O and octal digits, in either case,
// with at least one digit and nothing after them: "&HFF", "&o17".
WholeReading wholePrefixed(std::string_view plain);

} // namespace formules
