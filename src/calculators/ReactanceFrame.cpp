#include "ReactanceFrame.h"

#include "quantities/ValueRules.h"

namespace formules {

ReactanceFrame::ReactanceFrame(const FrameConfiguration& frame, FormContext& context,
                               const ReactanceConfiguration& configuration)
    : CalculatorFrame(frame, context), m_configuration(configuration) {}

void ReactanceFrame::Command1_Click() {
    SharedQuantities& q = quantities();
    EntryValue& input = q.*m_configuration.input;
    EntryValue& result = q.*m_configuration.result;
    // The window's own boxes decide, not the shared quantities that other windows also set: a
    // frequency and a second input typed here, and no reactance other than the last result.
    const bool noReactance = isBoxEmpty(Text3) || holdsLastResult(Text3);
    if (!allOf({!isBoxEmpty(Text1), !isBoxEmpty(Text2), noReactance})) {
        missingValuesOutcome();
        return;
    }
    clearBox(Text3);
    if (!understood({Text1, Text2})) {
        return;
    }
    q.frequence = EntryValue::number(readNumber(Text1));
    input = EntryValue::number(readNumber(Text2));
    // The second input is tested first; both tests lead to the same outcome.
    if (anyOf({isZeroOrNegative(input), isZeroOrNegative(q.frequence)})) {
        outOfRangeOutcome();
        return;
    }
    const std::optional<double> reactance =
        m_configuration.formula(q.frequence.asDouble(), input.asDouble());
    if (!reactance) {
        outOfRangeOutcome();
        return;
    }
    result = EntryValue::number(*reactance);
    writeResult(Text3, result);
    showHelp({});
}

void ReactanceFrame::missingValuesOutcome() {
    reportAndClear(configuration().promptMessage, {Text1, Text2, Text3});
    quantities().frequence = EntryValue::emptyText();
    quantities().*m_configuration.input = EntryValue::emptyText();
}

// No quantity is set here: a box that still held text blanks its quantity as it is cleared, and
// an input whose box was already empty keeps the Double 0 it was read as.
void ReactanceFrame::outOfRangeOutcome() {
    reportAndClear(kOutOfRangeMessage, {Text1, Text2, Text3});
}

} // namespace formules
