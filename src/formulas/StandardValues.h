#pragma once

// The E12 series of preferred values (IEC 60063), and the standard parts nearest a computed
// capacitance or inductance.

#include <optional>

namespace formules {

// The E12 value m x 10^exponent for the twelve mantissas 1,0 1,2 ... 8,2 (index 0 to 11): the
// double nearest its decimal value, so 6,8 is the double nearest 6.8 and not 68 x 0.1. Nothing
// when that value is not a normal double.
std::optional<double> e12Value(int index, int exponent);

// The standard values on either side of x: below, the largest at or under x (1 + 10^-9); above,
// the smallest at or over x (1 - 10^-9). They are one value when x is itself standard, to that
// tolerance. Nothing when x is not a positive normal double or a neighbour would not be one.
struct StandardNeighbours {
    double below = 0.0;
    double above = 0.0;

    bool isStandard() const { return below == above; }
};
std::optional<StandardNeighbours> e12Neighbours(double x);

// The standard value nearest the rest on a logarithmic scale (the least |ln(v / rest)|, the
// smaller of two on a tie): the part to put beside a standard one to make up the rest. Nothing
// when the rest or a standard value on either side of it is not a positive normal double.
std::optional<double> nearestE12(double rest);

} // namespace formules
