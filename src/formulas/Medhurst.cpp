#include "Medhurst.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <iterator>

namespace formules {

namespace {

// The columns: p/d as Medhurst's table lists it, d/p = 1, 0,9 ... 0,1.
constexpr std::array<double, 10> kPitchToWire = {1, 1.111, 1.25,  1.429, 1.667,
                                                 2, 2.5,   3.333, 5,     10};

// The rows: l/D, and the factors along them. Published copies of the table disagree in one cell,
// l/D 10 at p/d 1,429: 2,37 or 2,27; the rows either side read 2,34 and 2,51, so 2,37.
struct Row {
    double lengthToDiameter;
    std::array<double, 10> factors;
};

constexpr Row kRows[] = {
    {0, {5.31, 3.73, 2.74, 2.12, 1.74, 1.44, 1.20, 1.16, 1.07, 1.02}},
    {0.2, {5.45, 3.84, 2.83, 2.20, 1.77, 1.48, 1.29, 1.19, 1.08, 1.02}},
    {0.4, {5.65, 3.99, 2.97, 2.28, 1.83, 1.54, 1.33, 1.21, 1.08, 1.03}},
    {0.6, {5.80, 4.11, 3.10, 2.38, 1.89, 1.60, 1.38, 1.22, 1.10, 1.03}},
    {0.8, {5.80, 4.17, 3.20, 2.44, 1.92, 1.64, 1.42, 1.23, 1.10, 1.03}},
    {1, {5.55, 4.10, 3.17, 2.47, 1.94, 1.67, 1.45, 1.24, 1.10, 1.03}},
    {2, {4.10, 3.36, 2.74, 2.32, 1.98, 1.74, 1.50, 1.28, 1.13, 1.04}},
    {4, {3.54, 3.05, 2.60, 2.27, 2.01, 1.78, 1.54, 1.32, 1.15, 1.04}},
    {6, {3.31, 2.92, 2.60, 2.29, 2.03, 1.80, 1.56, 1.34, 1.16, 1.04}},
    {8, {3.20, 2.90, 2.62, 2.34, 2.08, 1.81, 1.57, 1.34, 1.165, 1.04}},
    {10, {3.23, 2.93, 2.65, 2.37, 2.10, 1.83, 1.58, 1.35, 1.17, 1.04}},
};

// A very long coil, which any l/D above 10 reads.
constexpr std::array<double, 10> kVeryLong = {3.41, 3.11, 2.815, 2.51, 2.22,
                                              1.93, 1.65, 1.395, 1.19, 1.05};

// The factor along a row at p/d, linear between the two columns either side.
double alongRow(const std::array<double, 10>& factors, double pitchToWire) {
    const double x = std::clamp(pitchToWire, kPitchToWire.front(), kPitchToWire.back());
    const auto above = std::upper_bound(kPitchToWire.begin() + 1, kPitchToWire.end() - 1, x);
    const std::size_t right = std::size_t(above - kPitchToWire.begin());
    const std::size_t left = right - 1;
    const double t = (x - kPitchToWire[left]) / (kPitchToWire[right] - kPitchToWire[left]);
    return factors[left] + t * (factors[right] - factors[left]);
}

} // namespace

double proximityFactor(double lengthToDiameter, double pitchToWire) {
    constexpr std::size_t kLast = std::size(kRows) - 1;
    if (lengthToDiameter > kRows[kLast].lengthToDiameter) {
        return alongRow(kVeryLong, pitchToWire);
    }
    const double y = std::max(lengthToDiameter, 0.0);
    std::size_t lower = 0;
    while (lower + 1 < kLast && kRows[lower + 1].lengthToDiameter <= y) {
        ++lower;
    }
    const Row& below = kRows[lower];
    const Row& above = kRows[lower + 1];
    const double t =
        (y - below.lengthToDiameter) / (above.lengthToDiameter - below.lengthToDiameter);
    const double first = alongRow(below.factors, pitchToWire);
    const double second = alongRow(above.factors, pitchToWire);
    return first + t * (second - first);
}

} // namespace formules
