#pragma once

// Form5, "Calcul du nobre de spires d'une bobine": the turns of a single-layer coil from its
// inductance, diameter and length.

#include "CoilFrame.h"

#include <optional>

namespace formules {

// The turns of a single-layer air-core coil (Wheeler, with the coefficients 100 and 45) from
// its inductance in uH, diameter and length in cm: sqrt(L (100 l + 45 d) / d^2), to the nearest
// whole turn, halves up. Nothing when an intermediate leaves the range of a double.
std::optional<double> CalculSpires(double inductance, double diametre, double longueur);

// "Calcul du nobre de spires d'une bobine".
class Form5 final : public CoilFrame {
public:
    explicit Form5(FormContext& context);
    // Text1 to Text3 feed the inputs, Text5 the result.
    static const FrameConfiguration& frame();
    const FormDescription& description() const override;

private:
    void Command1_Click() override;
    void showHelpFor(double turns, double inductance, double diametre, double longueur);
};

} // namespace formules
