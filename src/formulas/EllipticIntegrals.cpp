#include "EllipticIntegrals.h"

#include "Constants.h"

#include <cmath>

namespace formules {

namespace {

// The mean converges quadratically: once the half difference is under an ulp of the mean, the
// next one would be under the square of that, and changes nothing.
constexpr double kConverged = 0x1p-52;
constexpr int kMostSteps = 64;

} // namespace

// K = pi / (2 M(1, k')) and E = K (1 - sum of 2^(n-1) c_n^2), where c_0 = k and each later c_n
// is half the difference of the two means it replaces (Abramowitz and Stegun 17.6).
CompleteEllipticIntegrals completeEllipticIntegrals(double k, double kPrime) {
    double arithmetic = 1.0;
    double geometric = kPrime;
    double weight = 0.5;
    double sum = weight * k * k;
    for (int step = 0; step < kMostSteps; ++step) {
        const double halfDifference = (arithmetic - geometric) / 2;
        const double mean = (arithmetic + geometric) / 2;
        geometric = std::sqrt(arithmetic * geometric);
        arithmetic = mean;
        weight *= 2;
        sum += weight * halfDifference * halfDifference;
        if (!(halfDifference > arithmetic * kConverged)) {
            break;
        }
    }
    const double first = kPi / (2 * arithmetic);
    return {first, first * (1 - sum)};
}

} // namespace formules
