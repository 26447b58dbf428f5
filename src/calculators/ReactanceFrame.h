#pragma once

#include "CalculatorFrame.h"

#include <optional>

// 2 pi as both reactance windows compute it: 2 x 3.1416, the doubling being exact in binary.
inline constexpr double kTwoPi = 2.0 * 3.1416;

// What sets the two reactance windows apart: the second input, the result, the prompt and the
// formula. Text1 holds the frequency, Text2 the second input and Text3 the reactance.
struct ReactanceConfiguration {
    Quantity input;
    Quantity result;
    const char* missingValuesMessage;
    std::optional<double> (*formula)(double frequence, double input);
};

// The "Calcul" shared by the twin windows Form2 (inductor) and Form3 (capacitor): it runs only
// when the frequency and the second input are given and the reactance is blank.
class ReactanceFrame : public CalculatorFrame {
public:
    ReactanceFrame(FormId form, FormContext& context, const ReactanceConfiguration& configuration);

private:
    void Command1_Click() final;
    void missingValuesOutcome();
    void outOfRangeOutcome();

    const ReactanceConfiguration& m_configuration;
};
