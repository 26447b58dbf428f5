#pragma once

// What a wound coil is besides an inductor: a small capacitor, which adds to the tank's and
// with the coil's own inductance sets the frequency above which it no longer acts as one.

#include <optional>

namespace formules {

// The self-capacitance in pF of N turns of diameter D and length l in cm, with air inside and
// outside, by D. W. Knight's formula (2016, "The self-resonance and self-capacitance of
// solenoid coils"): D [ (11,2735 (l/D) / K) / cos^2 psi + 35,4168 / ln(1 + pi^2 l/D) ], with D
// in metres, K Nagaoka's coefficient and sin psi = p / (pi D) for the pitch p = l / N. An
// estimate for a coil in free air: a former, a shield or the leads add to it. Nothing when the
// pitch is as long as a turn or longer, or the figure would not be finite.
std::optional<double> selfCapacitance(double diametre, double longueur, double NbreSp);

// The frequency in MHz at which L uH resonates with C pF, 1 / (2 pi sqrt(L C)), to three
// significant digits, halves up. Nothing when it would not be finite.
std::optional<double> selfResonance(double inductance, double capacitance);

} // namespace formules
