#pragma once

// Form2, "Réactance d'une self": the reactance of an inductor from a frequency and an
// inductance.

#include "ReactanceFrame.h"

namespace formules {

// The reactance of an inductor in ohms from the frequency in kHz and the inductance in uH:
// (2 x 3.1416 x f x L) / 1000, to two decimals; nothing when it leaves the range of a double.
std::optional<double> inductiveReactance(double frequence, double inductance);

// "Réactance d'une self".
class Form2 final : public ReactanceFrame {
public:
    explicit Form2(FormContext& context);
    // Text1 feeds frequence, Text2 inductance and Text3 the reactance XL.
    static const FrameConfiguration& frame();
    const FormDescription& description() const override;
};

} // namespace formules
