#pragma once

#include "Form.h"
#include "FormContext.h"

// The main window: one button per calculator, "Quitter", and a menu bar with the formulas sheet
// and the About window. It handles neither its own loading nor its closing.
class Form1 final : public Form {
public:
    explicit Form1(FormContext& context) : m_context(context) {}

    const FormDescription& description() const override;
    void click(std::string_view control) override;
    void change(std::string_view) override {}

private:
    FormContext& m_context;
};
