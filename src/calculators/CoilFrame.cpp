#include "CoilFrame.h"

#include "formulas/CoilShape.h"
#include "formulas/EnamelledWire.h"
#include "formulas/Nagaoka.h"
#include "formulas/SelfCapacitance.h"
#include "quantities/ValueRules.h"

#include <algorithm>

namespace formules {

bool CoilFrame::inputsMissing() const {
    return anyOf({isBoxEmpty(Text1), isBoxEmpty(Text2), isBoxEmpty(Text3)});
}

void CoilFrame::promptStep() {
    reportAndClear(configuration().promptMessage, {Text1, Text2, Text3, Text5});
    SharedQuantities& q = quantities();
    q.inductance = EntryValue::emptyText();
    q.longueur = EntryValue::emptyText();
    q.diametre = EntryValue::emptyText();
}

void CoilFrame::rangeStep() {
    reportAndClear(kOutOfRangeMessage, {Text1, Text2, Text3, Text5});
}

bool CoilFrame::anyNotPositive(std::initializer_list<double> inputs) {
    bool found = false;
    for (double input : inputs) {
        found = isZeroOrNegative(EntryValue::number(input)) || found;
    }
    return found;
}

void CoilFrame::showCoilHelp(std::vector<std::optional<std::string>> lines, double longueur,
                             double diametre, double NbreSp) {
    if (isShortCoil(longueur, diametre)) {
        lines.push_back(helpLine(kShortCoilPhrase, {}));
    }
    lines.push_back(wireLine(longueur, diametre, NbreSp));
    if (const std::optional<double> own = selfCapacitance(diametre, longueur, NbreSp)) {
        const std::optional<double> inductance =
            currentSheetMicrohenrys(diametre, longueur, NbreSp);
        lines.push_back(helpLine(kSelfResonancePhrase,
                                 {roundHalfUp(*own, 100),
                                  inductance ? selfResonance(*inductance, *own) : std::nullopt}));
    }
    // Each line of a coil stands on its own figures: one that cannot be computed (a coil too
    // short for Nagaoka's coefficient, an inductance beyond the doubles) is left out alone.
    lines.erase(std::remove(lines.begin(), lines.end(), std::nullopt), lines.end());
    showHelp(lines);
}

// The wire is chosen for the pitch as the help shows it, to the thousandth of a millimetre.
std::optional<std::string> CoilFrame::wireLine(double longueur, double diametre,
                                               double NbreSp) const {
    const std::optional<double> pitch = windingPitch(longueur, NbreSp);
    if (!pitch) {
        return std::nullopt;
    }
    const FittingWire wire = fittingWire(*pitch);
    const std::optional<double> length = wireLength(diametre, longueur, NbreSp);
    const std::optional<double> gauge =
        wire.awgGauge ? std::optional<double>(*wire.awgGauge) : std::nullopt;
    if (wire.metricBare && gauge) {
        return helpLine(kWirePhrase, {wire.metricBare, gauge, length});
    }
    if (gauge) {
        return helpLine(kAwgWirePhrase, {gauge, length});
    }
    if (wire.metricBare) {
        return helpLine(kMetricWirePhrase, {wire.metricBare, length});
    }
    return helpLine(kNoWirePhrase, {length});
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
