#pragma once

// The winding of a toroid in one layer: the thickest enamelled wire whose turns lie side by side
// on the core's inner circumference, and how much of it the winding takes.

#include "EnamelledWire.h"
#include "ToroidCores.h"

#include <optional>

namespace formules {

// The thickest wire of each series (overall diameter d, mm) with N d <= pi (ID - d): the turns
// side by side around the hole, at the circle through the wires' centres.
FittingWire oneLayerWire(double turns, const CoreSize& size);

// The wire in N turns of overall diameter d around the core, leads aside: each turn goes round
// the core's section through the wire's centre, (OD - ID) + 2 H + pi d; N of them in cm, to
// 0,1 cm, halves up. Nothing when it would not be finite.
std::optional<double> toroidWireLength(double turns, const CoreSize& size, double overallMm);

} // namespace formules
