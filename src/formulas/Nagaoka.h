#pragma once

// The current-sheet inductance of a single-layer coil, exact for any proportions through
// Nagaoka's coefficient, where the windows' own formula holds only for coils that are not short.

#include <optional>

namespace formules {

// Nagaoka's coefficient of a coil of diameter D and length l, in one unit: with
// k^2 = D^2 / (D^2 + l^2) and k' = l / sqrt(D^2 + l^2), and the complete elliptic integrals
// K(k) and E(k), (4 / (3 pi k')) ((k'^2 / k^2) (K - E) + E - k). It is 1 for an endless coil
// and falls towards 0 as the coil gets shorter. Nothing when the proportions leave the range
// of a double (k would be 0 or 1).
std::optional<double> nagaokaCoefficient(double diametre, double longueur);

// The current-sheet inductance in uH of N turns of diameter D and length l in cm:
// pi^2 10^-3 D^2 N^2 k / l, unrounded, for the figures derived from it. Nothing when it would not
// be finite.
std::optional<double> currentSheetMicrohenrys(double diametre, double longueur, double NbreSp);

// The same to two decimals, halves up, as the help shows it.
std::optional<double> currentSheetInductance(double diametre, double longueur, double NbreSp);

// The turns that give L uH on that coil: sqrt(L l / (pi^2 10^-3 D^2 k)), to the nearest whole
// turn, halves up.
std::optional<double> currentSheetTurns(double inductance, double diametre, double longueur);

} // namespace formules
