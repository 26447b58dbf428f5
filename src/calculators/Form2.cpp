// Form2, "Réactance d'une self": the reactance of an inductor from a frequency and an
// inductance.
#include "Form2.h"

#include "quantities/ValueRules.h"

namespace formules {

std::optional<double> inductiveReactance(double frequence, double inductance) {
    const double first = kTwoPi * frequence;
    const double product = first * inductance;
    const double reactance = product / 1000; // kHz x uH gives milliohms
    if (!allFinite({first, product, reactance})) {
        return std::nullopt;
    }
    return roundHalfUp(reactance, 100);
}

namespace {

const ReactanceConfiguration kInductor{&SharedQuantities::inductance, &SharedQuantities::XL,
                                       inductiveReactance};

} // namespace

Form2::Form2(FormContext& context) : ReactanceFrame(frame(), context, kInductor) {}

const FrameConfiguration& Form2::frame() {
    using Q = SharedQuantities;
    static const FrameConfiguration kFrame{{{Text1, &Q::frequence, BoxRole::Input},
                                            {Text2, &Q::inductance, BoxRole::Input},
                                            {Text3, &Q::XL, BoxRole::Result}},
                                           {Text2, Text1, Text3},
                                           "Entrez les valeurs de fréquence et d'inductance",
                                           Label11};
    return kFrame;
}

const FormDescription& Form2::description() const {
    static const FormDescription kDescription = [] {
        const Colour panel = Colour::rgb(255, 255, 192);
        const Colour blue = Colour::rgb(0, 0, 255);
        FormDescription d;
        d.id = FormId::Form2;
        d.caption = "Réactance d'une self";
        d.clientArea = {2430, 1380, 7095, 6225};
        d.placed = true;
        d.background = Colour::rgb(192, 192, 192);
        d.font = FontDescription{"MS Sans Serif", 8.25, true, false};
        d.controls = {
            pictureBox("Picture1", {240, 240, 6615, 5655}, 8).withBackground(panel),
            textBox(Text4, std::string(19, ' ') + "Entrez la  fréquence et l'inductance",
                    {360, 360, 5775, 495}, 6)
                .inside("Picture1")
                .withBackground(Colour::rgb(255, 255, 224))
                .withForeground(blue)
                .announcedAs("Consigne"),
            designHelpLabel(Label11, {360, 900, 5775, 600}, panel, kReadHelpHint)
                .inside("Picture1"),
            label("Label1", "Frequence en Khz", {2160, 1560, 2340, 210}, 7)
                .inside("Picture1")
                .withBackground(panel)
                .withForeground(Colour::systemWindowText()),
            dataBox(Text1, {1320, 1800, 4035, 390}, 0, "Frequence en Khz", {"Label1"})
                .inside("Picture1")
                .withForeground(blue),
            label("Label2", "Inductance en micro henry", {2160, 2520, 2340, 210}, 9)
                .inside("Picture1")
                .withBackground(panel)
                .withForeground(Colour::systemWindowText()),
            dataBox(Text2, {1320, 2760, 4035, 390}, 1, "Inductance en micro henry", {"Label2"})
                .inside("Picture1")
                .withForeground(blue),
            label("Label3", "Réactance en ohms", {2280, 3360, 2340, 210}, 10)
                .inside("Picture1")
                .withBackground(panel)
                .withForeground(Colour::rgb(192, 0, 0)),
            dataBox(Text3, {1320, 3600, 4035, 390}, 2, "Résultat : Réactance en ohms", {"Label3"})
                .inside("Picture1")
                .withForeground(Colour::rgb(255, 0, 0)),
            button(Command1, "Calcul", {1200, 4320, 1335, 495}, 3).inside("Picture1"),
            button(Command3, "Effacer", {2640, 4320, 1335, 495}, 4).inside("Picture1"),
            button(Command2, "Menu", {4080, 4320, 1335, 495}, 5).inside("Picture1"),
        };
        return asCalculator(std::move(d), frame());
    }();
    return kDescription;
}

} // namespace formules
