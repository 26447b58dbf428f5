#pragma once

// How good a single-layer coil is at its working frequency: the HF resistance of its wire, its
// quality factor Q, and the bandwidth of a tank it makes with a lossless capacitor. An estimate
// for a coil in free air wound with that wire: a former, a shield or the leads lower the Q.

#include <optional>

namespace formules {

// The wire the coil is wound with and the coil's shape, as the design help gives them: the bare
// diameter of the metric wire in mm, the pitch in mm, the coil's diameter D and length l in cm,
// and the length of wire in cm.
struct WoundWire {
    double bareMm;
    double pitchMm;
    double diametre;
    double longueur;
    double lengthCm;
};

struct CoilLoss {
    double resistance; // ohm, at the working frequency
    double q;          // the apparent Q, the coil's own capacitance included
    double bandwidth;  // kHz, of a tank with a lossless capacitor: f / Q
};

// At f kHz, for a coil of L uH (the current-sheet inductance) that resonates on its own at f0
// MHz: the direct-current resistance of annealed copper at 20 degrees (IACS, 1,7241 x 10^-8 ohm m)
// R0 = rho l / (pi d^2 / 4); the skin depth delta = sqrt(rho / (pi f mu0)) and the skin factor
// F = d^2 / (4 (d delta - delta^2)) where delta < d / 2, else 1; Medhurst's proximity factor at
// l/D and p/d; R = R0 F Phi; Q0 = 2 pi f L / R, lowered by the coil's own capacitance as f nears
// f0, Q = Q0 (1 - (f / f0)^2). Nothing when a figure would not be finite or positive, and at or
// beyond f0, where the coil is no longer an inductor.
std::optional<CoilLoss> coilLoss(double frequencyKhz, double microhenrys, double selfResonanceMhz,
                                 const WoundWire& wire);

// The skin factor of a round wire of diameter d at the skin depth delta, in one unit.
double skinFactor(double diameter, double skinDepth);

// The skin depth in m of annealed copper at f kHz.
double skinDepth(double frequencyKhz);

} // namespace formules
