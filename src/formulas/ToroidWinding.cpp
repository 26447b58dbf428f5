#include "ToroidWinding.h"

#include "Constants.h"
#include "quantities/ValueRules.h"

namespace formules {

FittingWire oneLayerWire(double turns, const CoreSize& size) {
    return thickestWire(
        [&](double overall) { return turns * overall <= kPi * (size.inside - overall); });
}

std::optional<double> toroidWireLength(double turns, const CoreSize& size, double overallMm) {
    const double turnMm = (size.outside - size.inside) + 2 * size.height + kPi * overallMm;
    return roundHalfUp(turns * turnMm / 10, 10);
}

} // namespace formules
