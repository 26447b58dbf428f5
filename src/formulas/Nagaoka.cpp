#include "Nagaoka.h"

#include "Constants.h"
#include "EllipticIntegrals.h"
#include "quantities/ValueRules.h"

#include <cmath>

namespace formules {

namespace {

// mu0 pi / 4 in uH per cm, as pi^2 10^-3 with the diameter in place of the radius.
constexpr double kSheetConstant = kPi * kPi * 1e-3;

} // namespace

// The elliptic integrals are only asked for a modulus strictly between 0 and 1, where they are
// finite; the complement comes from the length, not from 1 - k^2, so a short coil keeps its
// digits.
std::optional<double> nagaokaCoefficient(double diametre, double longueur) {
    const double d2 = diametre * diametre;
    const double l2 = longueur * longueur;
    const double sum = d2 + l2;
    const double k2 = d2 / sum;
    const double k = std::sqrt(k2);
    const double kPrime = longueur / std::sqrt(sum);
    if (!allFinite({d2, l2, sum, k2, k, kPrime}) || !(k > 0 && k < 1) || !(kPrime > 0)) {
        return std::nullopt;
    }
    const auto [first, second] = completeEllipticIntegrals(k, kPrime);
    const double coefficient =
        4 / (3 * kPi * kPrime) * ((kPrime * kPrime / k2) * (first - second) + second - k);
    if (!std::isfinite(coefficient)) {
        return std::nullopt;
    }
    return coefficient;
}

std::optional<double> currentSheetMicrohenrys(double diametre, double longueur, double NbreSp) {
    const std::optional<double> k = nagaokaCoefficient(diametre, longueur);
    if (!k) {
        return std::nullopt;
    }
    // Once a product overflows, no later factor brings it back: the test sees the infinity.
    const double microhenrys =
        kSheetConstant * diametre * diametre * NbreSp * NbreSp * *k / longueur;
    if (!std::isfinite(microhenrys)) {
        return std::nullopt;
    }
    return microhenrys;
}

std::optional<double> currentSheetInductance(double diametre, double longueur, double NbreSp) {
    const std::optional<double> microhenrys = currentSheetMicrohenrys(diametre, longueur, NbreSp);
    return microhenrys ? roundHalfUp(*microhenrys, 100) : std::nullopt;
}

std::optional<double> currentSheetTurns(double inductance, double diametre, double longueur) {
    const std::optional<double> k = nagaokaCoefficient(diametre, longueur);
    if (!k) {
        return std::nullopt;
    }
    // A divisor that overflows would give 0 turns, not a figure: it is checked with the result.
    const double divisor = kSheetConstant * diametre * diametre * *k;
    const double turns = std::sqrt(inductance * longueur / divisor);
    if (!allFinite({divisor, turns})) {
        return std::nullopt;
    }
    return roundHalfUp(turns, 1);
}

} // namespace formules
