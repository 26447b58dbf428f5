#pragma once

#include "CalculatorFrame.h"

#include <optional>

namespace formules {

// 2 pi as both reactance windows compute it: 2 x 3.1416, the doubling being exact in binary.
inline constexpr double kTwoPi = 2.0 * 3.1416;

// The controls the twin reactance windows' handlers name: Text1 holds the frequency, Text2 the
// second input and Text3 the reactance.
struct ReactanceControls : CalculatorButtons {
    static constexpr BoxName Text1{"Text1"};
    static constexpr BoxName Text2{"Text2"};
    static constexpr BoxName Text3{"Text3"};
    static constexpr BoxName Text4{"Text4"};       // the instruction line, which no handler reads
    static constexpr LabelName Label11{"Label11"}; // what a "Calcul" read through units or codes
    static constexpr NamedControl kAll[] = {Text1,    Text2,    Text3,   Label11,
                                            Command1, Command2, Command3};
};

// What the twin windows' design help says it is: its only line is what "Calcul" read through a
// unit word, a component code or commas between thousands.
inline constexpr char kReadHelpHint[] =
    "Aide : ce que le calcul a lu avec une unité, un code ou des virgules de milliers, dans "
    "l'unité de la case";

// What sets the two reactance windows apart beyond their frame: the second input, the result and
// the formula.
struct ReactanceConfiguration {
    Quantity input;
    Quantity result;
    std::optional<double> (*formula)(double frequence, double input);
};

// The "Calcul" shared by the twin windows Form2 (inductor) and Form3 (capacitor): it runs only
// when the frequency and the second input are given and the reactance is blank.
class ReactanceFrame : public CalculatorFrame, protected ReactanceControls {
public:
    ReactanceFrame(const FrameConfiguration& frame, FormContext& context,
                   const ReactanceConfiguration& configuration);

private:
    void Command1_Click() final;
    void missingValuesOutcome();
    void outOfRangeOutcome();

    const ReactanceConfiguration& m_configuration;
};

} // namespace formules
