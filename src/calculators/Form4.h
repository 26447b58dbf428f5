#pragma once

// Form4, "Calculs": the resonance of an inductor and a capacitor; two of frequency,
// inductance and capacitance give the third.

#include "CalculatorFrame.h"

#include <optional>

namespace formules {

// The resonance of an inductor and a capacitor, solved for whichever of the three is missing.
// Units: capacitance in picofarad, frequency in kilohertz, inductance in microhenry. Each
// returns the rounded result, or nothing when an intermediate leaves the range of a double.

// f = 159154.943 / sqrt(C * L), to three decimals.
std::optional<double> resonanceFrequency(double capacite, double inductance);
// L = 253.3e8 / ((f * f) * C), to three decimals.
std::optional<double> resonanceInductance(double capacite, double frequence);
// C = 253.3e8 / (f^2 * L), to two decimals.
std::optional<double> resonanceCapacitance(double inductance, double frequence);
// The wavelength in metres of a frequency in kilohertz: 299792.458 / f, to two decimals.
std::optional<double> wavelength(double frequence);

// The controls Form4's handlers name.
struct Form4Controls : CalculatorButtons {
    static constexpr BoxName Text1{"Text1"};       // capacitance
    static constexpr BoxName Text2{"Text2"};       // frequency
    static constexpr BoxName Text3{"Text3"};       // inductance
    static constexpr BoxName Text4{"Text4"};       // the instruction line, which no handler reads
    static constexpr LabelName Label11{"Label11"}; // the design help after a "Calcul"
    static constexpr NamedControl kAll[] = {Text1,    Text2,    Text3,   Label11,
                                            Command1, Command2, Command3};
};

// The phrases of the design help about a capacitor or an inductor.
struct PartPhrases;

// The resonance window, "Calculs": two of capacitance, frequency and inductance give the third.
class Form4 final : public CalculatorFrame, private Form4Controls {
public:
    explicit Form4(FormContext& context);
    // Text1 feeds capacite, Text2 frequence and Text3 inductance; the empty one is solved for,
    // or the last result when all three hold text.
    static const FrameConfiguration& frame();
    const FormDescription& description() const override;

private:
    struct Unknown;

    void Command1_Click() override;
    void solve(const Unknown& unknown);
    // The help after a result: for a part, its standard neighbours and the frequency each gives
    // with the other part read; for a frequency, its wavelength.
    void helpWith(const Unknown& unknown, double otherPart, double result);
    void showStandardParts(const PartPhrases& phrases, double part, double otherPart);
    void twoValuesOutcome();
    void outOfRangeOutcome();
    // capacite, frequence and inductance set to the empty Text, in that order.
    void blankQuantities();
};

} // namespace formules
