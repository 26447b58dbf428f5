#pragma once

#include "CalculatorFrame.h"

// What the twin coil windows Form5 (turns) and Form6 (inductance) share around their "Calcul":
// the two ways it ends early. Both windows have the data boxes Text1, Text2, Text3 and the
// result box Text5.
class CoilFrame : public CalculatorFrame {
protected:
    using CalculatorFrame::CalculatorFrame;

    // True when the three input boxes are all empty or one of the inputs is blank: the boxes
    // and the quantities are both tested.
    bool inputsMissing(Quantity first, Quantity second, Quantity third) const;

    // A missing input: the message, then every box cleared and inductance, longueur and
    // diametre blanked, in that order.
    void promptStep(const char* message);

    // An unusable input: the message, then every box cleared; no quantity is set directly.
    void rangeStep();

    // True when the value is not greater than zero, each test against 0 evaluated.
    static bool unusable(const EntryValue& value);
};
