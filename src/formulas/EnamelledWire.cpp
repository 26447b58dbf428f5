#include "EnamelledWire.h"

#include "Constants.h"
#include "quantities/ValueRules.h"

#include <cmath>

namespace formules {

namespace {

// A metric wire: its bare diameter and the largest overall diameter grade 1 enamel allows, mm.
struct MetricWire {
    double bare;
    double overall;
};

constexpr MetricWire kMetricWires[] = {
    {0.100, 0.117}, {0.112, 0.130}, {0.125, 0.144}, {0.140, 0.160}, {0.160, 0.182}, {0.180, 0.204},
    {0.200, 0.226}, {0.224, 0.252}, {0.250, 0.281}, {0.280, 0.312}, {0.315, 0.349}, {0.355, 0.392},
    {0.400, 0.439}, {0.450, 0.491}, {0.500, 0.544}, {0.560, 0.606}, {0.630, 0.679}, {0.710, 0.762},
    {0.800, 0.855}, {0.900, 0.959}, {1.000, 1.062}, {1.120, 1.184}, {1.250, 1.316}, {1.400, 1.468},
    {1.600, 1.670}, {1.800, 1.872}, {2.000, 2.074},
};

// An AWG wire: its gauge and its overall diameter with single-build enamel, mm; the bare
// diameter is 0,127 x 92^((36 - n) / 39).
struct AwgWire {
    int gauge;
    double overall;
};

constexpr AwgWire kAwgWires[] = {
    {10, 2.634}, {11, 2.350}, {12, 2.096}, {13, 1.872}, {14, 1.674}, {15, 1.491}, {16, 1.331},
    {17, 1.191}, {18, 1.062}, {19, 0.947}, {20, 0.851}, {21, 0.757}, {22, 0.676}, {23, 0.607},
    {24, 0.541}, {25, 0.483}, {26, 0.431}, {27, 0.387}, {28, 0.347}, {29, 0.311}, {30, 0.277},
    {31, 0.246}, {32, 0.224}, {33, 0.198}, {34, 0.177}, {35, 0.156}, {36, 0.141}, {37, 0.126},
    {38, 0.113}, {39, 0.098}, {40, 0.088},
};

} // namespace

FittingWire fittingWire(double pitchMm) {
    return thickestWire([pitchMm](double overall) { return overall <= pitchMm; });
}

FittingWire thickestWire(const std::function<bool(double overallMm)>& fits) {
    FittingWire wire;
    for (const MetricWire& metric : kMetricWires) {
        if (fits(metric.overall)) {
            wire.metricBare = metric.bare;
        }
    }
    // The gauges run from the thickest wire to the finest: the first that fits is the one.
    for (const AwgWire& awg : kAwgWires) {
        if (fits(awg.overall)) {
            wire.awgGauge = awg.gauge;
            break;
        }
    }
    return wire;
}

std::optional<double> metricOverall(double bareMm) {
    for (const MetricWire& metric : kMetricWires) {
        if (metric.bare == bareMm) {
            return metric.overall;
        }
    }
    return std::nullopt;
}

std::optional<double> awgOverall(int gauge) {
    for (const AwgWire& awg : kAwgWires) {
        if (awg.gauge == gauge) {
            return awg.overall;
        }
    }
    return std::nullopt;
}

std::optional<double> wireLength(double diametre, double longueur, double NbreSp) {
    const double pitch = longueur / NbreSp;
    const double turn = std::hypot(kPi * diametre, pitch);
    return roundHalfUp(NbreSp * turn, 10);
}

} // namespace formules
