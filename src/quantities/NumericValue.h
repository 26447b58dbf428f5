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

// The number when the whole text, blanks aside, is one decimal number; empty when it is not
// (nothing may stand before or after it) or when the number lies beyond the range of a double.
std::optional<double> plainDecimalValue(std::string_view text);

} // namespace formules
