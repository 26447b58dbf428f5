#include "CoilFrame.h"

#include "CoilShape.h"
#include "quantities/ValueRules.h"

namespace formules {

bool CoilFrame::inputsMissing() const {
    return anyOf({isBoxEmpty(Text1), isBoxEmpty(Text2), isBoxEmpty(Text3)});
}

void CoilFrame::promptStep() {
    report(configuration().promptMessage);
    clearBoxes({Text1, Text2, Text3, Text5});
    SharedQuantities& q = quantities();
    q.inductance = EntryValue::emptyText();
    q.longueur = EntryValue::emptyText();
    q.diametre = EntryValue::emptyText();
}

void CoilFrame::rangeStep() {
    report(kOutOfRangeMessage);
    clearBoxes({Text1, Text2, Text3, Text5});
}

bool CoilFrame::anyNotPositive(std::initializer_list<double> inputs) {
    bool found = false;
    for (double input : inputs) {
        found = isZeroOrNegative(EntryValue::number(input)) || found;
    }
    return found;
}

void CoilFrame::showCoilHelp(std::vector<std::optional<std::string>> lines, double longueur,
                             double diametre) {
    if (isShortCoil(longueur, diametre)) {
        lines.push_back(helpLine(kShortCoilPhrase, {}));
    }
    showHelp(lines);
}

void CoilFrame::showResult(std::optional<double> result) {
    if (!result) {
        rangeStep();
        return;
    }
    const DataBox& box = resultBox();
    EntryValue& resultQuantity = quantities().*box.quantity;
    resultQuantity = EntryValue::number(*result);
    writeResult(box.box, resultQuantity);
}

} // namespace formules
