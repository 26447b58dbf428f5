#pragma once

namespace formules {

// The complete elliptic integrals of the first and second kinds, K(k) and E(k), of a modulus k
// given with its complement k' = sqrt(1 - k^2), so that a modulus near 1 loses no digits. They
// come from the arithmetic-geometric mean of 1 and k', the same computation on every platform
// (some C++ libraries have no std::comp_ellint_1 and std::comp_ellint_2). Both need
// 0 < k < 1 and k' > 0.
struct CompleteEllipticIntegrals {
    double first = 0.0;  // K(k)
    double second = 0.0; // E(k)
};

CompleteEllipticIntegrals completeEllipticIntegrals(double k, double kPrime);

} // namespace formules
