#pragma once

// Form1, "Formules de VELDRAN": the main window, with a button per calculator, "Quitter", and
// the menu of the formulas sheet and the About window.

#include "forms/ControlName.h"
#include "forms/Form.h"
#include "forms/FormContext.h"

namespace formules {

// The controls Form1's handlers name.
struct Form1Controls {
    static constexpr ButtonName Command1{"Command1"}; // the resonance window
    static constexpr ButtonName Command2{"Command2"}; // the reactance of an inductor
    static constexpr ButtonName Command3{"Command3"}; // the reactance of a capacitor
    static constexpr ButtonName Command4{"Command4"}; // the turns of a coil
    static constexpr ButtonName Command5{"Command5"}; // the inductance of a coil
    static constexpr ButtonName Command7{"Command7"}; // a coil on a toroid
    static constexpr ButtonName Command6{"Command6"}; // "Quitter"
    static constexpr MenuEntryName Formule{"Formule"};
    static constexpr MenuEntryName Infos{"Infos"};
    // Blank entries between the two, which do nothing.
    static constexpr MenuEntryName s1{"s1"};
    static constexpr MenuEntryName s2{"s2"};
    static constexpr MenuEntryName s3{"s3"};
    static constexpr NamedControl kAll[] = {Command1, Command2, Command3, Command4, Command5,
                                            Command7, Command6, Formule,  Infos};
};

// The main window: one button per calculator, "Quitter", and a menu bar with the formulas sheet
// and the About window.
class Form1 final : public Form, private Form1Controls {
public:
    explicit Form1(FormContext& context) : m_context(context) {}

    const FormDescription& description() const override;
    void click(std::string_view control) override;
    void change(std::string_view) override {}
    // Closing the main window ends the program, as "Quitter" does.
    void closedFromTitleBar() override { m_context.toolkit.endProgram(); }

private:
    FormContext& m_context;
};

} // namespace formules
