#include "SelfCapacitance.h"

#include "Constants.h"
#include "Nagaoka.h"
#include "quantities/ValueRules.h"

#include <cmath>

namespace formules {

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
    return roundSignificant(1 / (2 * kPi * std::sqrt(henriesTimesFarads)) / 1e6, 3);
}

} // namespace formules
