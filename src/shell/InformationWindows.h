#pragma once

#include "Form.h"
#include "FormContext.h"

// The formulas sheet (Form8) and the About window (Form7): fixed texts and an "OK" button
// that hides the window, which stays in existence for the next show.
class InformationWindow final : public Form {
public:
    InformationWindow(FormContext& context, const FormDescription& description)
        : m_context(context), m_description(description) {}

    const FormDescription& description() const override { return m_description; }
    void click(std::string_view control) override;
    void change(std::string_view) override {}
    // Closing the window from its title bar does what its "OK" does.
    void closedFromTitleBar() override { click("Command1"); }

private:
    FormContext& m_context;
    const FormDescription& m_description;
};

const FormDescription& form7Description();
const FormDescription& form8Description();
