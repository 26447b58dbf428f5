#include "CoilFrame.h"

#include "quantities/ValueRules.h"

bool CoilFrame::inputsMissing(Quantity first, Quantity second, Quantity third) const {
    const SharedQuantities& q = quantities();
    const bool boxesEmpty = allOf({isBoxEmpty("Text2"), isBoxEmpty("Text1"), isBoxEmpty("Text3")});
    return anyOf({boxesEmpty, isBlank(q.*first), isBlank(q.*second), isBlank(q.*third)});
}

void CoilFrame::promptStep(const char* message) {
    report(message);
    clearBoxes({"Text1", "Text2", "Text3", "Text5"});
    SharedQuantities& q = quantities();
    q.inductance = EntryValue::emptyText();
    q.longueur = EntryValue::emptyText();
    q.diametre = EntryValue::emptyText();
}

void CoilFrame::rangeStep() {
    report("Erreur - Valeurs hors limites - Recommencez");
    clearBoxes({"Text1", "Text2", "Text3", "Text5"});
}

bool CoilFrame::unusable(const EntryValue& value) {
    return isZeroOrNegative(value);
}
