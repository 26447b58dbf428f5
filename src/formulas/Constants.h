#pragma once

// The physical and mathematical constants the formulas share, each written once.

namespace formules {

// pi to the last digit a double holds.
inline constexpr double kPi = 3.14159265358979323846;

} // namespace formules
