#pragma once

// The physical and mathematical constants the formulas share, each written once.

namespace formules {

// pi to the last digit a double holds.
inline constexpr double kPi = 3.14159265358979323846;

// The magnetic constant mu0 in H/m, 4 pi 10^-7 as the formulas of coils take it.
inline constexpr double kMagneticConstant = 4 * kPi * 1e-7;

} // namespace formules
