#pragma once

#include <string>
#include <string_view>

namespace formules {

// The conversions between doubles and decimal texts that the program needs, written once so
// that every platform gives the same results: the C++ library of some compilers (the browser's)
// has no floating-point std::from_chars or std::to_chars. They go through the C library's strtod
// and printf, both correctly rounded, in the "C" locale whatever the user's locale is, and give
// what std::from_chars and std::to_chars give where those exist.

// What a text read as: the nearest double, or out of range when the number is beyond the range
// of a double either way (the value is then 0, and the caller decides which way it was).
struct DecimalReading {
    double value = 0.0;
    bool outOfRange = false;
};

// A decimal number in C syntax, [-]digits[.digits][e[-]digits], with at least one digit, read
// with correct rounding; a number under the smallest subnormal, or over the largest double, is
// out of range.
DecimalReading readDecimal(std::string_view number);

// Hexadecimal digits as an unsigned whole number, rounded correctly when it needs more than 53
// bits; out of range over the largest double.
DecimalReading readHexadecimal(std::string_view digits);

// The finite double in scientific notation with the given digits after the point, rounded
// correctly, halves to even: "1.50e+02" for 150 with 2. The exponent has a sign and at least
// two digits.
std::string scientificText(double value, int digitsAfterPoint);

// The shortest text that reads back as the same finite double: the fewest characters, fixed
// notation when it is as short as scientific ("123456", "0.3", "1e+22", "1e-05"), and among
// texts of that length the nearest to the value (a large whole number in fixed notation is
// written exactly: 2^70 is "1180591620717411303424").
std::string shortestText(double value);

} // namespace formules
