#include "CoilShape.h"

#include "quantities/ValueRules.h"

namespace formules {

namespace {

// Below this l / D the short-coil approximation errs by more than 2 %, against 1 to 1,7 %
// above it.
constexpr double kShortCoilProportion = 0.4;

} // namespace

std::optional<double> windingPitch(double longueur, double NbreSp) {
    const double pitch = 10 * longueur / NbreSp;
    if (!std::isfinite(pitch)) {
        return std::nullopt;
    }
    return roundHalfUp(pitch, 1000);
}

std::optional<double> lengthToDiameter(double longueur, double diametre) {
    const double proportion = longueur / diametre;
    if (!std::isfinite(proportion)) {
        return std::nullopt;
    }
    return roundHalfUp(proportion, 100);
}

bool isShortCoil(double longueur, double diametre) {
    return longueur / diametre < kShortCoilProportion;
}

} // namespace formules
