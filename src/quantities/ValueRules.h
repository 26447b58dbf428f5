#pragma once

#include "EntryValue.h"

#include <cmath>
#include <initializer_list>
#include <optional>

namespace formules {

// The blank test: Empty and the empty Text are blank; the Integer 0, every Double and every
// other Text (spaces included) are given.
bool isBlank(const EntryValue& value);
inline bool isGiven(const EntryValue& value) {
    return !isBlank(value);
}

// The number a quantity stands for in arithmetic and comparisons: an Integer or a Double by
// its value, Empty as 0, a Text by its numeric value (a number beyond the range of a double
// counts as 0, so that the range tests reject it).
double operandOf(const EntryValue& value);

bool equalsZero(const EntryValue& value);
bool lessThanZero(const EntryValue& value);

// "and" and "or" without short-circuit: every test of the braced list has been evaluated, in
// the order written, before they are combined.
inline bool allOf(std::initializer_list<bool> tests) {
    for (bool test : tests) {
        if (!test) {
            return false;
        }
    }
    return true;
}
inline bool anyOf(std::initializer_list<bool> tests) {
    for (bool test : tests) {
        if (test) {
            return true;
        }
    }
    return false;
}

// "= 0 or < 0" as the calculations write it: both comparisons, which together mean "not
// greater than zero".
inline bool isZeroOrNegative(const EntryValue& value) {
    return anyOf({equalsZero(value), lessThanZero(value)});
}

// The whole part: the largest whole number not above x, so wholePart(-2.5) is -3.
inline double wholePart(double x) {
    return std::floor(x);
}

// The general power operation, as distinct from a product of a value with itself.
inline double power(double base, double exponent) {
    return std::pow(base, exponent);
}

// True when every value is finite; the calculations pass their intermediates, since an
// overflow to infinity (or a NaN) can vanish later into a finite 0 through a division.
inline bool allFinite(std::initializer_list<double> values) {
    for (double v : values) {
        if (!std::isfinite(v)) {
            return false;
        }
    }
    return true;
}

// Half-up rounding to a scale of 10^k: wholePart(x * scale + 0.5) / scale, in that order, in
// doubles. Empty when an intermediate leaves the range of a double.
inline std::optional<double> roundHalfUp(double x, double scale) {
    const double scaled = x * scale;
    const double shifted = scaled + 0.5;
    const double whole = wholePart(shifted);
    const double result = whole / scale;
    if (!allFinite({x, scaled, shifted, whole, result})) {
        return std::nullopt;
    }
    return result;
}

// The figure to n significant digits, halves up: rounded at the scale that keeps them. Nothing
// for a figure that is not positive and finite.
std::optional<double> roundSignificant(double x, int digits);

} // namespace formules
