#pragma once

// Form3, "Réactance d'un condensateur": the reactance of a capacitor from a frequency and a
// capacitance.

#include "ReactanceFrame.h"

namespace formules {

// The reactance of a capacitor in ohms from the frequency in kHz and the capacitance in pF:
// 10^9 / (2 x 3.1416 x f x C), to two decimals; nothing when it leaves the range of a double.
std::optional<double> capacitiveReactance(double frequence, double capacite);

// "Réactance d'un condensateur".
class Form3 final : public ReactanceFrame {
public:
    explicit Form3(FormContext& context);
    // Text1 feeds frequence, Text2 capacite and Text3 the reactance XC.
    static const FrameConfiguration& frame();
    const FormDescription& description() const override;
};

} // namespace formules
