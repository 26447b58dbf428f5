#include "SelfCapacitance.h"

#include "Nagaoka.h"
#include "quantities/ValueRules.h"

#include <cmath>

namespace formules {

namespace {

constexpr double kPi = 3.14159265358979323846;

// The figure to n significant digits: rounded at the scale that keeps them, halves up.
std::optional<double> significant(double x, int digits) {
    if (!(x > 0) || !std::isfinite(x)) {
        return std::nullopt;
    }
    const int place = digits - 1 - int(std::floor(std::log10(x)));
    if (place >= 0) {
        return roundHalfUp(x, std::pow(10.0, place));
    }
    // Above the digits kept, the scale is a whole power of ten, divided by rather than
    // multiplied by its inverse, which no double holds exactly.
    const double step = std::pow(10.0, -place);
    const std::optional<double> steps = roundHalfUp(x / step, 1);
    return steps ? std::optional<double>(*steps * step) : std::nullopt;
}

} // namespace

std::optional<double> selfCapacitance(double diametre, double longueur, double NbreSp) {
    const double sinPsi = (longueur / NbreSp) / (kPi * diametre);
    const std::optional<double> k = nagaokaCoefficient(diametre, longueur);
    if (!k || !(sinPsi < 1)) {
        return std::nullopt;
    }
    const double cos2Psi = 1 - sinPsi * sinPsi;
    const double shape = longueur / diametre;
    const double picofarads =
        diametre / 100 * (11.2735 * shape / *k / cos2Psi + 35.4168 / std::log1p(kPi * kPi * shape));
    if (!std::isfinite(picofarads)) {
        return std::nullopt;
    }
    return picofarads;
}

std::optional<double> selfResonance(double inductance, double capacitance) {
    const double henriesTimesFarads = inductance * 1e-6 * capacitance * 1e-12;
    return significant(1 / (2 * kPi * std::sqrt(henriesTimesFarads)) / 1e6, 3);
}

} // namespace formules
