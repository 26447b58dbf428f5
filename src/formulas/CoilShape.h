#pragma once

// What a single-layer coil's shape tells a builder: the pitch its wire is wound at, and
// whether it is short enough for the windows' own formula to go wrong.

#include <optional>

namespace formules {

// The pitch in mm of N turns over a length in cm: 10 l / N, to three decimals, halves up; it
// decides which wire fits close-wound. Nothing when it would not be finite (no turns).
std::optional<double> windingPitch(double longueur, double NbreSp);

// The proportion l / D, to two decimals, halves up.
std::optional<double> lengthToDiameter(double longueur, double diametre);

// A coil shorter than 0,4 of its diameter: there the formula with the constants 100 and 45
// reads low by several percent, and the current-sheet value is the one to use.
bool isShortCoil(double longueur, double diametre);

} // namespace formules
