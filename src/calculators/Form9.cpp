// Form9, "Bobine sur un tore": a coil wound on a toroid; two of the core, the inductance and the
// number of turns give the third.
#include "Form9.h"

#include "formulas/ToroidWinding.h"
#include "quantities/ValueRules.h"

#include <algorithm>
#include <cmath>

namespace formules {

std::optional<CoreEntry> readCoreEntry(std::string_view text, ResultsWritten written) {
    if (const ToroidCore* core = coreNamed(text)) {
        return CoreEntry{core, core->al};
    }
    if (const std::optional<InductanceFactor> al = readInductanceFactor(text, written)) {
        return CoreEntry{nullptr, *al};
    }
    return std::nullopt;
}

namespace {
using Q = SharedQuantities;

// The message of a "Calcul" that has not exactly two of the three.
constexpr char kTwoOfThreeMessage[] =
    "Il faut deux des trois valeurs : le tore, l'inductance, le nombre de spires";

} // namespace

Form9::Form9(FormContext& context) : CalculatorFrame(frame(), context) {}

const FrameConfiguration& Form9::frame() {
    static const FrameConfiguration kFrame{
        {{Text1, nullptr, BoxRole::InputOrResult, Unit::None, "tore", "tore"},
         {Text2, &Q::inductance, BoxRole::InputOrResult},
         {Text3, &Q::NbreSp, BoxRole::InputOrResult}},
        {Text2, Text1, Text3},
        kTwoOfThreeMessage,
        Label11,
        helpPhrases(),
        {"rouge", "jaune", "bleu", "noir", "bleu et jaune", "beige"}};
    return kFrame;
}

// Exactly two of the three boxes must hold text; the empty one is solved for. When all three do
// and one still holds the last result, that one is solved for again. The boxes decide, not the
// shared quantities.
void Form9::Command1_Click() {
    bool core = !isBoxEmpty(Text1);
    bool inductance = !isBoxEmpty(Text2);
    bool turns = !isBoxEmpty(Text3);
    if (core && inductance && turns) {
        core = !holdsLastResult(Text1);
        inductance = !holdsLastResult(Text2);
        turns = !holdsLastResult(Text3);
    }
    if (core && inductance && !turns) {
        solveTurns();
    } else if (core && !inductance && turns) {
        solveInductance();
    } else if (!core && inductance && turns) {
        solveCore();
    } else {
        report(frame().promptMessage);
    }
}

std::optional<bool> Form9::understoodByWindow(BoxName box, std::string_view text) const {
    if (box.name != Text1.name) {
        return std::nullopt;
    }
    return readCoreEntry(text, resultsWrittenWith(decimalSeparator())).has_value();
}

CoreEntry Form9::coreEntry() const {
    return *readCoreEntry(readBox(Text1), resultsWrittenWith(decimalSeparator()));
}

void Form9::clearUnknown(BoxName box) {
    const DataBox& data = dataBoxOf(box);
    if (data.quantity != nullptr) {
        quantities().*data.quantity = EntryValue::emptyText();
    }
    clearBox(box);
}

// The nearest whole number of turns, halves up, and at least one.
void Form9::solveTurns() {
    clearUnknown(Text3);
    if (!understood({Text1, Text2})) {
        return;
    }
    const CoreEntry entry = coreEntry();
    const double inductance = readInto(&Q::inductance);
    const std::optional<double> exact = turnsForInductance(entry.al, inductance);
    if (anyOf({isZeroOrNegative(EntryValue::number(entry.al.value)),
               isZeroOrNegative(EntryValue::number(inductance))}) ||
        !exact) {
        report(kOutOfRangeMessage);
        return;
    }
    const std::optional<double> whole = roundHalfUp(*exact, 1);
    if (!whole) {
        report(kOutOfRangeMessage);
        return;
    }
    const double turns = std::max(1.0, *whole);
    quantities().NbreSp = EntryValue::number(turns);
    writeResult(Text3, quantities().NbreSp);
    std::vector<std::optional<std::string>> lines = coreLines(entry);
    lines.push_back(turnsLine(entry, turns, exact));
    lines.push_back(wireLine(entry, turns));
    showLines(std::move(lines));
}

// The inductance to the thousandth of a uH, as the resonance window writes one.
void Form9::solveInductance() {
    clearUnknown(Text2);
    if (!understood({Text1, Text3})) {
        return;
    }
    const CoreEntry entry = coreEntry();
    const double turns = readInto(&Q::NbreSp);
    // An inductance beyond the doubles, or one that rounds to 0, is out of range as 0 is.
    const std::optional<double> inductance = inductanceOfTurns(entry.al, turns);
    const double rounded = inductance ? roundHalfUp(*inductance, 1000).value_or(0.0) : 0.0;
    if (anyOf({isZeroOrNegative(EntryValue::number(entry.al.value)),
               isZeroOrNegative(EntryValue::number(turns)),
               isZeroOrNegative(EntryValue::number(rounded))})) {
        report(kOutOfRangeMessage);
        return;
    }
    quantities().inductance = EntryValue::number(rounded);
    writeResult(Text2, quantities().inductance);
    std::vector<std::optional<std::string>> lines = coreLines(entry);
    lines.push_back(turnsLine(entry, turns, std::nullopt));
    lines.push_back(wireLine(entry, turns));
    showLines(std::move(lines));
}

// The AL measured, in nH per turn squared to three significant digits, written with its unit so
// that it reads back; then the cores that have it.
void Form9::solveCore() {
    clearUnknown(Text1);
    if (!understood({Text2, Text3})) {
        return;
    }
    const double inductance = readInto(&Q::inductance);
    const double turns = readInto(&Q::NbreSp);
    // Read as one figure, not finite when the values give no AL (GCC follows that where it
    // loses track of an optional across the calls below).
    const double measured = anyOf({isZeroOrNegative(EntryValue::number(inductance)),
                                   isZeroOrNegative(EntryValue::number(turns))})
                                ? NAN
                                : threeDigits(measuredAl(inductance, turns)).value_or(NAN);
    if (!std::isfinite(measured)) {
        report(kOutOfRangeMessage);
        return;
    }
    writeResultText(Text1, figureText(measured) + " nH");
    std::vector<std::optional<std::string>> lines =
        coreLines({nullptr, {measured, AlUnit::NanohenryPerTurnSquared}});
    lines.push_back(candidatesLine(measured));
    showLines(std::move(lines));
}

const FormDescription& Form9::description() const {
    static const FormDescription kDescription = [] {
        const Colour labelBackground = Colour::rgb(192, 255, 255);
        FormDescription d;
        d.id = FormId::Form9;
        d.caption = "Bobine sur un tore";
        d.clientArea = {2445, 1395, 7230, 7200};
        d.placed = true;
        d.background = Colour::rgb(208, 224, 255);
        d.foreground = Colour::systemWindowText();
        d.font = FontDescription{"MS Sans Serif", 8.25, true, false};
        ControlDescription core =
            dataBox(Text1, {1560, 1080, 4035, 390}, 0, "Tore (T50-2, FT37-43…) ou AL", {"Label1"})
                .withForeground(Colour::rgb(0, 0, 255));
        core.hint = "Un tore de la liste par son nom (T50-2, FT37-43…), ou son AL et son unité : "
                    "4,9 nH par spire², 49 µH/100 pour 100 spires, 350 mH/1000 pour 1000 spires";
        d.controls = {
            label("Label5", "Entrez deux des trois : le tore, l'inductance, le nombre de spires",
                  {600, 240, 6030, 255})
                .centred()
                .withBackground(Colour::rgb(255, 255, 192))
                .withForeground(Colour::rgb(255, 0, 0)),
            label("Label1", "Tore (T50-2, FT37-43…) ou AL", {1560, 840, 4035, 210})
                .centred()
                .withBackground(labelBackground),
            core,
            label("Label2", "Inductance en microH", {2400, 1800, 2340, 210})
                .centred()
                .withBackground(labelBackground),
            dataBox(Text2, {1560, 2040, 4035, 390}, 1, "Inductance en microH", {"Label2"})
                .withForeground(Colour::rgb(0, 128, 0)),
            label("Label3", "Nombre de spires", {2400, 2760, 2340, 210})
                .centred()
                .withBackground(labelBackground),
            dataBox(Text3, {1560, 3000, 4035, 390}, 2, "Nombre de spires", {"Label3"})
                .withBackground(Colour::rgb(255, 255, 255))
                .withForeground(Colour::rgb(192, 64, 0)),
            button(Command1, "Calcul", {1560, 3720, 1215, 495}, 3),
            button(Command3, "Effacer", {2880, 3720, 1215, 495}, 4),
            button(Command2, "Menu", {4200, 3720, 1215, 495}, 5),
            designHelpLabel(Label11, {240, 4440, 6750, 2520}, d.background,
                            "Aide : le tore, son AL dans les trois unités et sa tolérance ; "
                            "l'inductance des spires entières ; les tores de la liste qu'un AL "
                            "mesuré désigne ; le fil le plus gros qui tient en une couche"),
        };
        return asCalculator(std::move(d), frame());
    }();
    return kDescription;
}

} // namespace formules
