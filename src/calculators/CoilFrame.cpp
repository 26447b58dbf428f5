#include "CoilFrame.h"

#include "quantities/ValueRules.h"

namespace formules {

bool CoilFrame::inputsMissing() const {
    return anyOf({isBoxEmpty(Text1), isBoxEmpty(Text2), isBoxEmpty(Text3)});
}

void CoilFrame::promptStep(const char* message) {
    report(message);
    clearBoxes({Text1, Text2, Text3, Text5});
    SharedQuantities& q = quantities();
    q.inductance = EntryValue::emptyText();
    q.longueur = EntryValue::emptyText();
    q.diametre = EntryValue::emptyText();
}

void CoilFrame::rangeStep() {
    report("Erreur - Valeurs hors limites - Recommencez");
    clearBoxes({Text1, Text2, Text3, Text5});
}

void CoilFrame::computeResult(Formula formula) {
    SharedQuantities& q = quantities();
    const std::vector<DataBox>& boxes = configuration().dataBoxes; // Text1, Text2, Text3, Text5
    for (std::size_t i = 0; i < 3; ++i) {
        q.*boxes[i].quantity = EntryValue::number(readNumber(boxes[i].box));
    }
    const EntryValue& first = q.*boxes[0].quantity;
    const EntryValue& second = q.*boxes[1].quantity;
    const EntryValue& third = q.*boxes[2].quantity;
    if (anyOf({isZeroOrNegative(first), isZeroOrNegative(second), isZeroOrNegative(third)})) {
        rangeStep();
        return;
    }
    const std::optional<double> result =
        formula(first.asDouble(), second.asDouble(), third.asDouble());
    if (!result) {
        rangeStep();
        return;
    }
    EntryValue& resultQuantity = q.*boxes[3].quantity;
    resultQuantity = EntryValue::number(*result);
    writeResult(boxes[3].box, resultQuantity);
}

} // namespace formules
