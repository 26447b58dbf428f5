// Form1, "Formules de VELDRAN": the main window, with a button per calculator, "Quitter", and
// the menu of the formulas sheet and the About window.
#include "Form1.h"

namespace formules {

namespace {

struct Opening {
    std::string_view control;
    FormId target;
};

// Each opening handler does one thing: show its window, as it was left.
constexpr Opening kOpenings[] = {
    {Form1Controls::Command1, FormId::Form4}, {Form1Controls::Command2, FormId::Form2},
    {Form1Controls::Command3, FormId::Form3}, {Form1Controls::Command4, FormId::Form5},
    {Form1Controls::Command5, FormId::Form6}, {Form1Controls::Formule, FormId::Form8},
    {Form1Controls::Infos, FormId::Form7},
};

} // namespace

void Form1::click(std::string_view control) {
    if (control == Command6) {
        m_context.toolkit.endProgram();
        return;
    }
    for (const Opening& opening : kOpenings) {
        if (control == opening.control) {
            m_context.navigator.show(opening.target);
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
        d.clientArea = {3435, 1635, 5625, 5505};
        d.placed = true;
        d.background = Colour::rgb(255, 192, 128);
        d.foreground = Colour::rgb(128, 128, 255);
        d.font = FontDescription{"MS Sans Serif", 8.25, true, false};
        d.controls = {
            pictureBox("Picture2", {480, 240, 4575, 495}, 7)
                .withBackground(Colour::rgb(224, 224, 224))
                .withFont({"Times New Roman", 12, true, false}),
            label("Label1", "Formules - Radio", {0, 0, 4575, 495}, 8)
                .inside("Picture2")
                .centred()
                .withForeground(Colour::rgb(192, 0, 0))
                .withFont({"Times New Roman", 20.25, true, false}),
            pictureBox("Picture1", {480, 960, 4575, 4215}, 0)
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
            button(Command6, "Quitter", {1560, 3360, 1215, 495}, 6)
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
