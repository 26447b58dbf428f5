#include "StandardValues.h"

#include "quantities/DecimalText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <vector>

namespace formules {

namespace {

// The mantissas in tenths: 10 stands for 1,0 and 82 for 8,2.
constexpr int kMantissas[] = {10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};
constexpr int kPerDecade = static_cast<int>(std::size(kMantissas));

// The tolerance within which a computed value counts as the standard one it was rounded from.
constexpr double kTolerance = 1e-9;

// The decades searched around a value's own: its decimal exponent, as the floating-point
// logarithm gives it, may be off by one either way at a power of ten, and the neighbour on
// either side may lie one decade further.
constexpr int kDecadesAround = 2;

bool isPositiveNormal(double x) {
    return std::isnormal(x) && x > 0;
}

// The standard values, ascending, of the decades around x's own (a few dozen, whatever x).
std::vector<double> standardsAround(double x) {
    const int decade = static_cast<int>(std::floor(std::log10(x)));
    std::vector<double> values;
    for (int exponent = decade - kDecadesAround; exponent <= decade + kDecadesAround; ++exponent) {
        for (int index = 0; index < kPerDecade; ++index) {
            if (const std::optional<double> value = e12Value(index, exponent)) {
                values.push_back(*value);
            }
        }
    }
    return values;
}

// The largest standard value at or under the first limit and the smallest at or over the
// second, which are a hair apart; nothing when either is not a normal double.
std::optional<StandardNeighbours> standardsBetween(double underLimit, double overLimit) {
    const std::vector<double> values = standardsAround(underLimit);
    const auto over = std::lower_bound(values.begin(), values.end(), overLimit);
    const auto under = std::upper_bound(values.begin(), values.end(), underLimit);
    if (under == values.begin() || over == values.end()) {
        return std::nullopt;
    }
    return StandardNeighbours{*std::prev(under), *over};
}

} // namespace

// The decimal text "mm e(exponent - 1)", read with correct rounding.
std::optional<double> e12Value(int index, int exponent) {
    if (index < 0 || index >= kPerDecade) {
        return std::nullopt;
    }
    char text[32];
    const int length = std::snprintf(text, sizeof text, "%de%d", kMantissas[index], exponent - 1);
    const DecimalReading read = readDecimal(std::string_view(text, std::size_t(length)));
    if (read.outOfRange || !isPositiveNormal(read.value)) {
        return std::nullopt;
    }
    return read.value;
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
    return standardsBetween(upper, lower);
}

std::optional<double> nearestE12(double rest) {
    if (!isPositiveNormal(rest)) {
        return std::nullopt;
    }
    const std::optional<StandardNeighbours> either = standardsBetween(rest, rest);
    if (!either) {
        return std::nullopt;
    }
    const double underDistance = std::abs(std::log(either->below / rest));
    const double overDistance = std::abs(std::log(either->above / rest));
    return overDistance < underDistance ? either->above : either->below;
}

} // namespace formules
