#include "StandardValues.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <iterator>

namespace formules {

namespace {

// The mantissas in tenths: 10 stands for 1,0 and 82 for 8,2.
constexpr int kMantissas[] = {10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};
constexpr int kPerDecade = static_cast<int>(std::size(kMantissas));

// The tolerance within which a computed value counts as the standard one it was rounded from.
constexpr double kTolerance = 1e-9;

// The decades searched around a value's own: its decimal exponent, as the floating-point
// logarithm gives it, may be off by one either way at a power of ten.
constexpr int kDecadesAround = 1;

bool isPositiveNormal(double x) {
    return std::isnormal(x) && x > 0;
}

// The largest standard value at or under the limit, among the decades around the limit's.
std::optional<double> standardAtOrUnder(double limit) {
    const int decade = static_cast<int>(std::floor(std::log10(limit)));
    for (int exponent = decade + kDecadesAround; exponent >= decade - kDecadesAround - 1;
         --exponent) {
        for (int index = kPerDecade - 1; index >= 0; --index) {
            const std::optional<double> value = e12Value(index, exponent);
            if (value && *value <= limit) {
                return value;
            }
        }
    }
    return std::nullopt;
}

// The smallest standard value at or over the limit.
std::optional<double> standardAtOrOver(double limit) {
    const int decade = static_cast<int>(std::floor(std::log10(limit)));
    for (int exponent = decade - kDecadesAround; exponent <= decade + kDecadesAround + 1;
         ++exponent) {
        for (int index = 0; index < kPerDecade; ++index) {
            const std::optional<double> value = e12Value(index, exponent);
            if (value && *value >= limit) {
                return value;
            }
        }
    }
    return std::nullopt;
}

} // namespace

// The decimal text "mm e(exponent - 1)" read by from_chars, which rounds it correctly.
std::optional<double> e12Value(int index, int exponent) {
    if (index < 0 || index >= kPerDecade) {
        return std::nullopt;
    }
    char text[32];
    const int length = std::snprintf(text, sizeof text, "%de%d", kMantissas[index], exponent - 1);
    double value = 0.0;
    const auto read = std::from_chars(text, text + length, value);
    if (read.ec != std::errc() || !isPositiveNormal(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<StandardNeighbours> e12Neighbours(double x) {
    if (!isPositiveNormal(x)) {
        return std::nullopt;
    }
    const double upper = x * (1 + kTolerance);
    const double lower = x * (1 - kTolerance);
    if (!isPositiveNormal(upper) || !isPositiveNormal(lower)) {
        return std::nullopt;
    }
    const std::optional<double> below = standardAtOrUnder(upper);
    const std::optional<double> above = standardAtOrOver(lower);
    if (!below || !above) {
        return std::nullopt;
    }
    return StandardNeighbours{*below, *above};
}

std::optional<double> nearestE12(double rest) {
    if (!isPositiveNormal(rest)) {
        return std::nullopt;
    }
    const std::optional<double> under = standardAtOrUnder(rest);
    const std::optional<double> over = standardAtOrOver(rest);
    if (!under || !over) {
        return std::nullopt;
    }
    const double underDistance = std::abs(std::log(*under / rest));
    const double overDistance = std::abs(std::log(*over / rest));
    return overDistance < underDistance ? over : under;
}

} // namespace formules
