#include "CoilFrame.h"

#include "formulas/CoilQuality.h"
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

// The coil as it will be wound: its pitch and the wire that fits it, to the thousandth of a
// millimetre as the help shows it, the wire's length, the coil's own capacitance and resonance,
// and its current-sheet inductance.
struct CoilFrame::WoundCoil {
    double diametre;
    double longueur;
    std::optional<double> pitch;
    FittingWire wire;
    std::optional<double> length;
    std::optional<double> capacitance;
    std::optional<double> inductance;
    std::optional<double> resonance;
};

std::optional<double> CoilFrame::workingFrequency() const {
    return isBoxEmpty(Text6) ? std::nullopt : std::optional<double>(readNumber(Text6));
}

void CoilFrame::showCoilHelp(std::vector<std::optional<std::string>> lines, double longueur,
                             double diametre, double NbreSp, std::optional<double> frequency) {
    WoundCoil coil{diametre, longueur, windingPitch(longueur, NbreSp), {}, {}, {}, {}, {}};
    if (coil.pitch) {
        coil.wire = fittingWire(*coil.pitch);
    }
    coil.length = wireLength(diametre, longueur, NbreSp);
    coil.capacitance = selfCapacitance(diametre, longueur, NbreSp);
    coil.inductance = currentSheetMicrohenrys(diametre, longueur, NbreSp);
    if (coil.capacitance && coil.inductance) {
        coil.resonance = selfResonance(*coil.inductance, *coil.capacitance);
    }
    if (isShortCoil(longueur, diametre)) {
        lines.push_back(helpLine(kShortCoilPhrase, {}));
    }
    lines.push_back(wireLine(coil));
    if (coil.capacitance) {
        lines.push_back(
            helpLine(kSelfResonancePhrase, {roundHalfUp(*coil.capacitance, 100), coil.resonance}));
    }
    if (frequency) {
        lines.push_back(qualityLine(coil, *frequency));
    }
    // Each line of a coil stands on its own figures: one that cannot be computed (a coil too
    // short for Nagaoka's coefficient, an inductance beyond the doubles) is left out alone.
    lines.erase(std::remove(lines.begin(), lines.end(), std::nullopt), lines.end());
    showHelp(lines);
}

std::optional<std::string> CoilFrame::wireLine(const WoundCoil& coil) const {
    if (!coil.pitch) {
        return std::nullopt;
    }
    return proposedWireLine({kWirePhrase, kMetricWirePhrase, kAwgWirePhrase, kNoWirePhrase},
                            coil.wire, coil.length, coil.length);
}

// The Q of the coil wound with the metric wire the help proposes, from the figures the help
// shows: its pitch, its length of wire and its self-resonance. A frequency not above zero is
// said to be so, since no message is given for the optional box; a coil without a metric wire or
// a self-resonance has no such line.
std::optional<std::string> CoilFrame::qualityLine(const WoundCoil& coil, double frequency) const {
    if (isZeroOrNegative(EntryValue::number(frequency))) {
        return helpLine(kWorkingFrequencyOutOfRangePhrase, {});
    }
    if (!coil.wire.metricBare || !coil.resonance || !coil.inductance || !coil.length) {
        return std::nullopt;
    }
    if (!(frequency < *coil.resonance * 1000)) {
        return helpLine(kBeyondSelfResonancePhrase, {frequency});
    }
    const WoundWire wire{*coil.wire.metricBare, *coil.pitch, coil.diametre, coil.longueur,
                         *coil.length};
    const std::optional<CoilLoss> loss =
        coilLoss(frequency, *coil.inductance, *coil.resonance, wire);
    if (!loss) {
        return std::nullopt;
    }
    return helpLine(kQualityPhrase,
                    {frequency, roundSignificant(loss->q, 2), roundSignificant(loss->resistance, 2),
                     roundSignificant(loss->bandwidth, 2), *coil.wire.metricBare});
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
