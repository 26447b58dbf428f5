#pragma once

// Form6, "Calcul de l'Inductance d'une bobine": the inductance of a single-layer coil from its
// diameter, length and turns.

#include "CoilFrame.h"

#include <optional>

namespace formules {

// The inductance in uH of a single-layer air-core coil (Wheeler, with the coefficients 100 and
// 45) from its diameter and length in cm and its turns: d^2 N^2 / (100 l + 45 d), to two
// decimals, halves up. Nothing when an intermediate leaves the range of a double.
std::optional<double> CalculInductance(double diametre, double longueur, double NbreSp);

// "Calcul de l'Inductance d'une bobine".
class Form6 final : public CoilFrame {
public:
    explicit Form6(FormContext& context);
    // Text1 to Text3 feed the inputs, Text5 the result.
    static const FrameConfiguration& frame();
    const FormDescription& description() const override;

private:
    void Command1_Click() override;
};

} // namespace formules
