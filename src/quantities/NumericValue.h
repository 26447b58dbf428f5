#pragma once

#include <optional>
#include <string_view>

namespace formules {

// The numeric value of a text: how the calculations turn a box's text into a number.
//
// Spaces, tabs and line feeds are ignored wherever they stand. The longest prefix of the form
// [sign] digits [separator digits] [E|D [sign] digits] is read, where the separator is the
// first period or comma (a French user types 1,5 and the program writes its own results with
// a comma in a French locale). A text starting with &H or &O is a whole number in hexadecimal
// or octal. Anything that does not start a number reads as 0; this never fails on text.
//
// The digits are converted with correct rounding. The result is empty only when the number
// lies beyond the range of a double; a number too small for a double reads as 0.
std::optional<double> numericValue(std::string_view text);

} // namespace formules
