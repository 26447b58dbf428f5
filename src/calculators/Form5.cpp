// Form5, "Calcul du nobre de spires d'une bobine": the turns of a single-layer coil from its
// inductance, diameter and length.
#include "Form5.h"

#include "Form6.h"
#include "formulas/CoilShape.h"
#include "formulas/Nagaoka.h"
#include "quantities/ValueRules.h"

namespace formules {

std::optional<double> CalculSpires(double inductance, double diametre, double longueur) {
    const double a = 100 * longueur;
    const double b = 45 * diametre;
    const double s = a + b;
    const double p = inductance * s;
    const double q = power(diametre, 2);
    const double r = p / q;
    const double t = std::sqrt(r);
    if (!allFinite({a, b, s, p, q, r, t})) {
        return std::nullopt;
    }
    return roundHalfUp(t, 1);
}

namespace {
using Q = SharedQuantities;

constexpr char kTurnsPhrase[] = "%1 spires → %2 µH ; pas %3 mm";
constexpr char kCurrentSheetTurnsPhrase[] = "l/D = %1 ; Nagaoka : %2 spires";
} // namespace

Form5::Form5(FormContext& context) : CoilFrame(frame(), context) {}

const FrameConfiguration& Form5::frame() {
    static const FrameConfiguration kFrame{
        {{Text1, &Q::inductance, BoxRole::Input},
         {Text2, &Q::diametre, BoxRole::Input},
         {Text3, &Q::longueur, BoxRole::Input},
         {Text5, &Q::NbreSp, BoxRole::Result},
         kWorkingFrequencyBox},
        {Text2, Text1, Text3, Text5, Text6},
        "Entrez les 3 valeurs: inductance, diamètre, et longueur  ",
        Label11,
        withCoilPhrases({kTurnsPhrase, kCurrentSheetTurnsPhrase})};
    return kFrame;
}

// The previous result is discarded first, so a second press with the same entries computes
// again instead of refusing.
void Form5::Command1_Click() {
    SharedQuantities& q = quantities();
    q.NbreSp = EntryValue::integer(0);
    clearBox(Text5);
    if (inputsMissing()) {
        promptStep();
        return;
    }
    q.NbreSp = EntryValue::emptyText();
    clearBox(Text5);
    if (!understood({Text1, Text2, Text3, Text6})) {
        return;
    }
    const double inductance = readInto(&Q::inductance);
    const double diametre = readInto(&Q::diametre);
    const double longueur = readInto(&Q::longueur);
    if (anyNotPositive({diametre, longueur, inductance})) {
        rangeStep();
        return;
    }
    const std::optional<double> turns = CalculSpires(inductance, diametre, longueur);
    showResult(turns);
    if (turns) {
        showHelpFor(*turns, inductance, diametre, longueur);
    }
}

// What the whole turns give in the inductance window, the pitch they are wound at, and the
// turns the current-sheet formula asks for.
void Form5::showHelpFor(double turns, double inductance, double diametre, double longueur) {
    showCoilHelp(
        {helpLine(kTurnsPhrase, {turns, CalculInductance(diametre, longueur, turns),
                                 windingPitch(longueur, turns)}),
         helpLine(kCurrentSheetTurnsPhrase, {lengthToDiameter(longueur, diametre),
                                             currentSheetTurns(inductance, diametre, longueur)})},
        longueur, diametre, turns, workingFrequency());
}

const FormDescription& Form5::description() const {
    static const FormDescription kDescription = [] {
        const Colour labelBackground = Colour::rgb(192, 255, 255);
        ControlDescription frequency =
            dataBox(Text6, {1560, 840, 4035, 390}, 4, kWorkingFrequencyCaption, {"Label12"})
                .withForeground(Colour::rgb(0, 0, 128));
        frequency.hint = kWorkingFrequencyHint;
        FormDescription d;
        d.id = FormId::Form5;
        d.caption = "Calcul du nobre de spires d'une bobine";
        d.clientArea = {2445, 1395, 7230, 7665};
        d.placed = true;
        d.background = Colour::rgb(255, 192, 192);
        d.foreground = Colour::systemWindowText();
        d.font = FontDescription{"MS Sans Serif", 8.25, true, false};
        d.controls = {
            label("Label5", " Entrez l'inductance, le diamètre et la longueur de la bobine",
                  {600, 240, 5775, 255})
                .centred()
                .withBackground(Colour::rgb(255, 255, 192))
                .withForeground(Colour::rgb(255, 0, 0)),
            label("Label12", kWorkingFrequencyCaption, {1560, 600, 4035, 210})
                .centred()
                .withBackground(labelBackground),
            frequency,
            designHelpLabel(
                Label11, {240, 5985, 6750, 1560}, d.background,
                "Aide : l'inductance que donnent les spires entières, le pas du "
                "bobinage, l/D et le nombre de spires selon la formule exacte de la nappe de "
                "courant (coefficient de Nagaoka)"),
            label("Label2", "Inductance en microH", {2400, 1320, 2340, 210})
                .centred()
                .withBackground(labelBackground),
            dataBox(Text1, {1560, 1560, 4035, 390}, 0, "Inductance en microH", {"Label2"})
                .withForeground(Colour::rgb(0, 0, 255)),
            label("Label1", "Diamétre en centimètres", {2400, 2280, 2340, 210})
                .centred()
                .withBackground(labelBackground),
            dataBox(Text2, {1560, 2520, 4035, 390}, 1, "Diamétre en centimètres", {"Label1"})
                .withForeground(Colour::rgb(0, 192, 0)),
            label("Label10", "Longueur bobine en cm", {2400, 3240, 2340, 210})
                .centred()
                .withBackground(labelBackground),
            dataBox(Text3, {1560, 3480, 4035, 390}, 2, "Longueur bobine en cm", {"Label10"})
                .withBackground(Colour::rgb(255, 255, 255))
                .withForeground(Colour::rgb(128, 64, 0)),
            label("Label3", "Nombre de spires:", {2400, 4440, 2295, 255})
                .centred()
                .withBackground(labelBackground),
            label("Label4", "Résultat:", {480, 4800, 1215, 255})
                .centred()
                .withBackground(Colour::rgb(255, 192, 192)),
            dataBox(Text5, {1680, 4680, 3975, 375}, 3, "Résultat : Nombre de spires",
                    {"Label3", "Label4"})
                .withForeground(Colour::rgb(255, 0, 0)),
            button(Command1, "Calcul", {1680, 5400, 1215, 495}, 5),
            button(Command3, "Effacer", {3000, 5400, 1215, 495}, 6),
            button(Command2, "Menu", {4320, 5400, 1215, 495}, 7),
        };
        return asCalculator(std::move(d), frame());
    }();
    return kDescription;
}

} // namespace formules
