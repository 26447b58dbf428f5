// Form7, the About window, and Form8, the formulas sheet: fixed texts and an "OK" button.
#include "InformationWindows.h"

#include <iterator>

namespace formules {

void InformationWindow::click(std::string_view control) {
    if (control == InformationControls::Command1) {
        m_context.toolkit.hide(*this);
    }
}

// The About window: a heading, a rule, and four credit lines on a coloured panel.
const FormDescription& form7Description() {
    static const FormDescription kDescription = [] {
        const Colour panel = Colour::rgb(255, 192, 128);
        const FormRect line{360, 0, 4335, 0};
        auto row = [&](const char* name, const char* caption, int top, int height, int tab) {
            return label(name, caption, {line.left, top, line.width, height}, tab)
                .inside("Picture1")
                .withBackground(panel);
        };
        FormDescription d;
        d.id = FormId::Form7;
        d.caption = "Formules de Veldran";
        d.clientArea = {0, 0, 5625, 4395};
        d.background = Colour::rgb(192, 192, 192);
        d.controls = {
            pictureBox("Picture1", {240, 120, 5175, 4095}, 0).withBackground(panel),
            row("Label1", "INFORMATION", 120, 375, 10)
                .centred()
                .withFont({"Times New Roman", 18, true, false}),
            row("Label2", std::string(29, '_').c_str(), 480, 255, 9).centred(),
            row("Label8", "", 720, 255, 3),
            row("Label4", "Programme écrit en C++", 960, 495, 7)
                .centred()
                .withFont({"Times New Roman", 12, true, true}),
            row("Label3", "", 1440, 255, 8),
            row("Label5", "par l'équipe de Formules", 1680, 495, 6)
                .centred()
                .withFont({"Times New Roman", 12, true, false}),
            row("Label7", "Formules", 2160, 615, 4)
                .centred()
                .withFont({"Times New Roman", 18, true, false}),
            row("Label6", "", 2760, 255, 5).centred(),
            row("Label9", "Calculs pour radioamateurs", 3000, 375, 2)
                .centred()
                .withFont({"MS Sans Serif", 9.75, true, true}),
            button(InformationControls::Command1, "OK", {2040, 3480, 1215, 495}, 1)
                .inside("Picture1")
                .withEscapeClicking(),
        };
        return d;
    }();
    return kDescription;
}

// The formulas sheet: seven formulas, each beside the units it expects, as fixed texts.
const FormDescription& form8Description() {
    static const FormDescription kDescription = [] {
        struct Row {
            const char* formula;
            const char* units;
        };
        static constexpr Row kRows[] = {
            {"Fréquence = 159154.943 / (Sqr(inductance * capacité))", "Khz - MicroH - Pf "},
            {"Inductance= 253.3 * 10 ^ 8 / ((freq * frequence) * capacité)", "MicroH - Khz - Pf"},
            {"Capacité= 253.3 * 10 ^ 8 / ((frequence ^ 2) * Inductance)", "Pf - Khz - MicroH"},
            {"XL=  (2 * 3.1416 * frequence * inductance) / 1000", "Ohms -  Khz - MicroH"},
            {"XC= 1000000000 / (2 * 3.1416 * frequence * capacité)", "Ohms - Khz - Pf"},
            {"NbreSp = Sqr (( inductance * (( 100 * l ) + ( 45 * d ))) / d ^ 2)",
             "MicroH - Centimètres"},
            {"Inductance  =  ( d ^ 2 ) * ( NbreSp ^ 2 ) / (( 100 * l ) + ( 45 * d ))",
             "MicroH - Centimètres"},
        };
        FormDescription d;
        d.id = FormId::Form8;
        d.caption = "Formules";
        d.clientArea = {0, 0, 10500, 5520};
        d.background = Colour::rgb(255, 224, 192);
        d.font = FontDescription{"Times New Roman", 12, true, false};
        for (int i = 0; i < static_cast<int>(std::size(kRows)); ++i) {
            const int top = 360 + 480 * i;
            d.controls.push_back(
                label("Label" + std::to_string(i + 1), kRows[i].formula, {360, top, 6855, 375}, i)
                    .centred()
                    .withBackground(Colour::rgb(192, 255, 192)));
            d.controls.push_back(label("Label" + std::to_string(i + 8), kRows[i].units,
                                       {7440, top, 2655, 375}, i + 7)
                                     .centred()
                                     .withBackground(Colour::rgb(255, 255, 192)));
        }
        d.controls.push_back(
            button(InformationControls::Command1, "OK", {4800, 4440, 1215, 495}, 14)
                .withEscapeClicking());
        return d;
    }();
    return kDescription;
}

} // namespace formules
