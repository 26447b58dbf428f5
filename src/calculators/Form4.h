#pragma once

#include "CalculatorFrame.h"

#include <optional>

// The resonance of an inductor and a capacitor, solved for whichever of the three is missing.
// Units: capacitance in picofarad, frequency in kilohertz, inductance in microhenry. Each
// returns the rounded result, or nothing when an intermediate leaves the range of a double.

// f = 159154.943 / sqrt(C * L), to three decimals.
std::optional<double> resonanceFrequency(double capacite, double inductance);
// L = 253.3e8 / ((f * f) * C), to three decimals.
std::optional<double> resonanceInductance(double capacite, double frequence);
// C = 253.3e8 / (f^2 * L), to two decimals.
std::optional<double> resonanceCapacitance(double inductance, double frequence);

// The resonance window, "Calculs": two of capacitance, frequency and inductance give the third.
class Form4 final : public CalculatorFrame {
public:
    explicit Form4(FormContext& context);
    const FormDescription& description() const override;

private:
    struct Unknown;

    void Command1_Click() override;
    void solve(const Unknown& unknown);
    void twoValuesOutcome();
    void outOfRangeOutcome();
    // capacite, frequence and inductance set to the empty Text, in that order.
    void blankQuantities();
};
