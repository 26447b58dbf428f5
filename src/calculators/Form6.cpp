// Form6, "Calcul de l'Inductance d'une bobine": the inductance of a single-layer coil from its
// diameter, length and turns.
#include "Form6.h"

#include "formulas/CoilShape.h"
#include "formulas/Nagaoka.h"
#include "quantities/ValueRules.h"

namespace formules {

std::optional<double> CalculInductance(double diametre, double longueur, double NbreSp) {
    const double q1 = power(diametre, 2);
    const double q2 = power(NbreSp, 2);
    const double p = q1 * q2;
    const double a = 100 * longueur;
    const double b = 45 * diametre;
    const double s = a + b;
    const double x = p / s;
    if (!allFinite({q1, q2, p, a, b, s, x})) {
        return std::nullopt;
    }
    return roundHalfUp(x, 100);
}

namespace {
using Q = SharedQuantities;

constexpr char kCurrentSheetInductancePhrase[] = "pas %1 mm ; l/D = %2 ; Nagaoka : %3 µH";
} // namespace

Form6::Form6(FormContext& context) : CoilFrame(frame(), context) {}

const FrameConfiguration& Form6::frame() {
    static const FrameConfiguration kFrame{
        {{Text1, &Q::diametre, BoxRole::Input},
         {Text2, &Q::longueur, BoxRole::Input},
         {Text3, &Q::NbreSp, BoxRole::Input},
         {Text5, &Q::inductance, BoxRole::Result},
         kWorkingFrequencyBox},
        {Text2, Text1, Text3, Text5, Text6},
        "Entrez les 3 valeurs: diamètre, longueur et nombre spires ",
        Label11,
        withCoilPhrases({kCurrentSheetInductancePhrase})};
    return kFrame;
}

// Nothing is cleared before the prompt test: an earlier result stays in view while the prompt
// is open.
void Form6::Command1_Click() {
    if (inputsMissing()) {
        promptStep();
        return;
    }
    quantities().inductance = EntryValue::emptyText();
    clearBox(Text5);
    if (!understood({Text1, Text2, Text3, Text6})) {
        return;
    }
    const double diametre = readInto(&Q::diametre);
    const double longueur = readInto(&Q::longueur);
    const double NbreSp = readInto(&Q::NbreSp);
    if (anyNotPositive({diametre, longueur, NbreSp})) {
        rangeStep();
        return;
    }
    const std::optional<double> inductance = CalculInductance(diametre, longueur, NbreSp);
    showResult(inductance);
    if (inductance) {
        // The pitch of the turns, and the inductance the current-sheet formula gives.
        showCoilHelp(
            {helpLine(kCurrentSheetInductancePhrase,
                      {windingPitch(longueur, NbreSp), lengthToDiameter(longueur, diametre),
                       currentSheetInductance(diametre, longueur, NbreSp)})},
            longueur, diametre, NbreSp, workingFrequency());
    }
}

const FormDescription& Form6::description() const {
    static const FormDescription kDescription = [] {
        const Colour labelBackground = Colour::rgb(192, 255, 255);
        const Colour instruction = Colour::rgb(255, 255, 192);
        ControlDescription frequency =
            dataBox(Text6, {1560, 5280, 4035, 390}, 4, kWorkingFrequencyCaption, {"Label12"})
                .withForeground(Colour::rgb(0, 0, 128));
        frequency.hint = kWorkingFrequencyHint;
        FormDescription d;
        d.id = FormId::Form6;
        d.caption = "Calcul de l'Inductance d'une bobine";
        d.clientArea = {2445, 1395, 7245, 8280};
        d.placed = true;
        d.background = Colour::rgb(192, 255, 192);
        d.foreground = Colour::systemWindowText();
        d.font = FontDescription{"MS Sans Serif", 8.25, true, false};
        d.controls = {
            label("Label5", "Entrez le diamètre, la longueur et le nombre de spires de la bobine",
                  {600, 120, 5775, 255})
                .centred()
                .withBackground(instruction)
                .withForeground(Colour::rgb(255, 0, 0)),
            label("Label6", "   pour obtenir l'inductance en microhenrys", {600, 360, 5775, 255})
                .centred()
                .withBackground(instruction)
                .withForeground(Colour::rgb(255, 0, 0)),
            designHelpLabel(Label11, {240, 6600, 6765, 1560}, d.background,
                            "Aide : le pas du bobinage, l/D et l'inductance selon la formule "
                            "exacte de la nappe de courant (coefficient de Nagaoka)"),
            label("Label1", "Diamétre en centimètres", {2400, 1200, 2340, 210})
                .centred()
                .withBackground(labelBackground),
            dataBox(Text1, {1560, 1440, 4035, 390}, 0, "Diamétre en centimètres", {"Label1"})
                .withForeground(Colour::rgb(0, 0, 255)),
            label("Label10", "Longueur bobine en cm", {2400, 2280, 2340, 210})
                .centred()
                .withBackground(labelBackground),
            dataBox(Text2, {1560, 2520, 4035, 390}, 1, "Longueur bobine en cm", {"Label10"})
                .withForeground(Colour::rgb(0, 128, 0)),
            label("Label3", "Nombre de spires:", {2400, 3240, 2295, 255})
                .centred()
                .withBackground(labelBackground),
            dataBox(Text3, {1560, 3480, 4035, 390}, 2, "Nombre de spires", {"Label3"})
                .withBackground(Colour::rgb(255, 255, 255))
                .withForeground(Colour::rgb(192, 64, 0)),
            label("Label2", "Inductance en microH", {2400, 4200, 2340, 210})
                .centred()
                .withBackground(labelBackground),
            label("Label4", " Résultat:", {360, 4560, 1215, 255})
                .centred()
                .withBackground(Colour::rgb(192, 255, 192)),
            dataBox(Text5, {1560, 4440, 3975, 375}, 3, "Résultat : Inductance en microH",
                    {"Label2", "Label4"})
                .withForeground(Colour::rgb(255, 0, 0)),
            label("Label12", kWorkingFrequencyCaption, {1560, 5040, 4035, 210})
                .centred()
                .withBackground(labelBackground),
            frequency,
            button(Command1, "Calcul", {1560, 6015, 1215, 495}, 5),
            button(Command3, "Effacer", {2880, 6015, 1215, 495}, 6),
            button(Command2, "Menu", {4200, 6015, 1215, 495}, 7),
        };
        return asCalculator(std::move(d), frame());
    }();
    return kDescription;
}

} // namespace formules
