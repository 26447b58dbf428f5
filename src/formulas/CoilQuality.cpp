#include "CoilQuality.h"

#include "Constants.h"
#include "Medhurst.h"
#include "quantities/ValueRules.h"

#include <cmath>

namespace formules {

namespace {

// Annealed copper at 20 degrees, the International Annealed Copper Standard, ohm m.
constexpr double kCopperResistivity = 1.7241e-8;

} // namespace

double skinDepth(double frequencyKhz) {
    return std::sqrt(kCopperResistivity / (kPi * frequencyKhz * 1e3 * kMagneticConstant));
}

double skinFactor(double diameter, double skinDepth) {
    if (!(skinDepth < diameter / 2)) {
        return 1;
    }
    return diameter * diameter / (4 * (diameter * skinDepth - skinDepth * skinDepth));
}

std::optional<CoilLoss> coilLoss(double frequencyKhz, double microhenrys, double selfResonanceMhz,
                                 const WoundWire& wire) {
    const double frequency = frequencyKhz * 1e3;
    const double selfResonance = selfResonanceMhz * 1e6;
    if (!(frequency < selfResonance)) {
        return std::nullopt;
    }
    const double d = wire.bareMm / 1000;
    const double direct = kCopperResistivity * (wire.lengthCm / 100) / (kPi * d * d / 4);
    const double skin = skinFactor(d, skinDepth(frequencyKhz));
    const double proximity =
        proximityFactor(wire.longueur / wire.diametre, wire.pitchMm / wire.bareMm);
    const double resistance = direct * skin * proximity;
    const double unloaded = 2 * kPi * frequency * microhenrys * 1e-6 / resistance;
    const double ratio = frequency / selfResonance;
    const double q = unloaded * (1 - ratio * ratio);
    const double bandwidth = frequencyKhz / q;
    if (!allFinite({resistance, q, bandwidth}) || !(resistance > 0) || !(q > 0)) {
        return std::nullopt;
    }
    return CoilLoss{resistance, q, bandwidth};
}

} // namespace formules
