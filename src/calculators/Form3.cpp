// Form3, "Réactance d'un condensateur": the reactance of a capacitor from a frequency and a
// capacitance.
#include "Form3.h"

#include "quantities/ValueRules.h"

#include <cstdint>

namespace formules {

// 1 / (2 pi f C) with f in kHz (10^3) and C in pF (10^-12) gives ohms for a dividend of 10^9.
constexpr std::int32_t kOhmsDividend = 1000000000;

std::optional<double> capacitiveReactance(double frequence, double capacite) {
    const double first = kTwoPi * frequence;
    const double product = first * capacite;
    const double reactance = kOhmsDividend / product;
    if (!allFinite({first, product, reactance})) {
        return std::nullopt;
    }
    return roundHalfUp(reactance, 100);
}

namespace {

const ReactanceConfiguration kCapacitor{&SharedQuantities::capacite, &SharedQuantities::XC,
                                        capacitiveReactance};

} // namespace

Form3::Form3(FormContext& context) : ReactanceFrame(frame(), context, kCapacitor) {}

const FrameConfiguration& Form3::frame() {
    using Q = SharedQuantities;
    static const FrameConfiguration kFrame{{{Text1, &Q::frequence, BoxRole::Input},
                                            {Text2, &Q::capacite, BoxRole::Input},
                                            {Text3, &Q::XC, BoxRole::Result}},
                                           {Text2, Text1, Text3},
                                           "Entrez les valeurs de fréquence et de capacité",
                                           Label11};
    return kFrame;
}

// The caption-less Label1 is a panel beneath the other controls, which sit on the window.
const FormDescription& Form3::description() const {
    static const FormDescription kDescription = [] {
        const Colour panel = Colour::rgb(255, 255, 192);
        const Colour blue = Colour::rgb(0, 0, 255);
        FormDescription d;
        d.id = FormId::Form3;
        d.caption = "Réactance d'un condensateur";
        d.clientArea = {2475, 1410, 6735, 5775};
        d.placed = true;
        d.background = Colour::rgb(0, 192, 0);
        d.font = FontDescription{"MS Sans Serif", 8.25, true, false};
        d.controls = {
            label("Label1", "", {240, 240, 6255, 5295}, 0).withBackground(panel),
            textBox(Text4, std::string(19, ' ') + "Entrez la  fréquence et la capacité",
                    {480, 360, 5775, 495}, 7)
                .withBackground(Colour::rgb(255, 255, 224))
                .withForeground(blue)
                .announcedAs("Consigne"),
            designHelpLabel(Label11, {480, 900, 5775, 480}, panel, kReadHelpHint),
            label("Label4", "Frequence en Khz", {2040, 1440, 2340, 210}, 10)
                .withBackground(panel)
                .withForeground(Colour::systemWindowText()),
            dataBox(Text1, {1200, 1680, 4035, 390}, 1, "Frequence en Khz", {"Label4"})
                .withForeground(blue),
            label("Label2", "Capacité en picofarad", {2040, 2280, 2340, 210}, 9)
                .withBackground(panel)
                .withForeground(Colour::systemWindowText()),
            dataBox(Text2, {1200, 2520, 4035, 390}, 2, "Capacité en picofarad", {"Label2"})
                .withForeground(blue),
            label("Label3", "Réactance en ohms", {2040, 3120, 2340, 210}, 8)
                .withBackground(panel)
                .withForeground(Colour::rgb(192, 0, 0)),
            dataBox(Text3, {1200, 3360, 4035, 390}, 3, "Résultat : Réactance en ohms", {"Label3"})
                .withForeground(Colour::rgb(255, 0, 0)),
            button(Command1, "Calcul", {960, 4440, 1335, 495}, 4),
            button(Command3, "Effacer", {2520, 4440, 1335, 495}, 5),
            button(Command2, "Menu", {4080, 4440, 1335, 495}, 6),
        };
        return asCalculator(std::move(d), frame());
    }();
    return kDescription;
}

} // namespace formules
