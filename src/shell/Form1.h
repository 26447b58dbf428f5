#pragma once

#include "Form.h"
#include "FormContext.h"

// The main window: one button per calculator, "Quitter", and a menu bar with the formulas sheet
// and the About window.
class Form1 final : public Form {
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
