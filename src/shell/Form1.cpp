// Form1, "Formules de VELDRAN": the main window, with a button per calculator, "Quitter", and
// the menu of the formulas sheet and the About window.
#include "Form1.h"

#include "Windows.h"

namespace formules {

// "Quitter" ends the program; each other button and menu entry does one thing: show the window
// the registry opens with it, as it was left.
void Form1::click(std::string_view control) {
    if (control == Command6) {
        m_context.toolkit.endProgram();
        return;
    }
    for (const WindowRow& row : windows()) {
        if (!row.opener.empty() && control == row.opener) {
            m_context.navigator.show(row.id);
        }
    }
}

const FormDescription& Form1::description() const {
    static const FormDescription kDescription = [] {
        const Colour systemWindow = Colour::systemWindow();
        const FormRect buttonSize{720, 0, 3135, 495};
        auto calculatorButton = [&](ButtonName name, const char* caption, int top, int tab) {
            return button(name, caption,
                          {buttonSize.left, top, buttonSize.width, buttonSize.height}, tab)
                .inside("Picture1");
        };
        FormDescription d;
        d.id = FormId::Form1;
        d.caption = "Formules de VELDRAN";
        d.clientArea = {3435, 1635, 5625, 6105};
        d.placed = true;
        d.background = Colour::rgb(255, 192, 128);
        d.foreground = Colour::rgb(128, 128, 255);
        d.font = FontDescription{"MS Sans Serif", 8.25, true, false};
        d.controls = {
            pictureBox("Picture2", {480, 240, 4575, 495}, 8)
                .withBackground(Colour::rgb(224, 224, 224))
                .withFont({"Times New Roman", 12, true, false}),
            label("Label1", "Formules - Radio", {0, 0, 4575, 495}, 9)
                .inside("Picture2")
                .centred()
                .withForeground(Colour::rgb(192, 0, 0))
                .withFont({"Times New Roman", 20.25, true, false}),
            pictureBox("Picture1", {480, 960, 4575, 4815}, 0)
                .withBackground(Colour::rgb(255, 224, 192)),
            calculatorButton(Command1, "Fréquence - Inductance - Capacité", 240, 1)
                .withBackground(systemWindow),
            calculatorButton(Command2, "Réactance de Self", 840, 2)
                .withBackground(Colour::rgb(0, 0, 255)),
            calculatorButton(Command3, "Réactance de Capacité", 1440, 3)
                .withBackground(systemWindow),
            calculatorButton(Command4, "Calcul nombre de spires", 2040, 4)
                .withBackground(systemWindow),
            calculatorButton(Command5, "Calcul Inductance d'aprés nbre sp", 2640, 5)
                .withBackground(systemWindow),
            calculatorButton(Command7, "Bobine sur tore", 3240, 6).withBackground(systemWindow),
            button(Command6, "Quitter", {1560, 3960, 1215, 495}, 7)
                .inside("Picture1")
                .withBackground(systemWindow),
        };
        d.menu = {
            menuEntry(Formule, "Formules", 'F'),
            menuEntry(s1, ""),
            menuEntry(s2, ""),
            menuEntry(s3, ""),
            menuEntry(Infos, "à propos de...", 'p'),
        };
        return d;
    }();
    return kDescription;
}

} // namespace formules
