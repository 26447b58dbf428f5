#pragma once

#include <string>
#include <string_view>

namespace formules {

// The text of a number, as it is written into a box: at most 15 significant digits, no
// trailing zeros, no separator for a whole number, decimal notation while the decimal exponent
// is from -4 to 14 and otherwise an exponent form such as 1E+15 or 1.5E-05. The decimal
// separator is the caller's (the user's locale one); nothing depends on the C locale.
//
// A value that is not finite has no text: the empty text is returned, so that "inf" or "nan"
// can never reach a box. The calculations never ask for one.
std::string textOfNumber(double value, std::string_view decimalSeparator);

} // namespace formules
