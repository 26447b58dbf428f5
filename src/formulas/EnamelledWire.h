#pragma once

// The enamelled copper wire a single-layer coil is wound with: the thickest that fits its pitch,
// close-wound, and how much of it the winding takes.

#include <functional>
#include <optional>

namespace formules {

// The thickest wire of each series whose overall diameter, enamel included, is at most the
// pitch: a metric wire by its bare diameter in mm (IEC 60317-0-1, grade 1, as wire makers
// publish the series), an AWG wire by its gauge (single-build enamel). Nothing for a series
// whose finest wire is thicker than the pitch.
struct FittingWire {
    std::optional<double> metricBare;
    std::optional<int> awgGauge;
};

FittingWire fittingWire(double pitchMm);

// The thickest wire of each series whose overall diameter in mm passes the test.
FittingWire thickestWire(const std::function<bool(double overallMm)>& fits);

// The overall diameter in mm of a metric wire by its bare one, and of an AWG wire by its gauge;
// nothing for a wire of neither table.
std::optional<double> metricOverall(double bareMm);
std::optional<double> awgOverall(int gauge);

// The wire in N turns of diameter D and length l in cm, each turn a helix of pitch p = l / N:
// N sqrt((pi D)^2 + p^2) in cm, to 0,1 cm, halves up. Nothing when it would not be finite.
std::optional<double> wireLength(double diametre, double longueur, double NbreSp);

} // namespace formules
