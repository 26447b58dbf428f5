#pragma once

// Form7, the About window, and Form8, the formulas sheet: fixed texts and an "OK" button.

#include "forms/ControlName.h"
#include "forms/Form.h"
#include "forms/FormContext.h"

namespace formules {

// The control the handlers of the formulas sheet and of the About window name.
struct InformationControls {
    static constexpr ButtonName Command1{"Command1"}; // "OK"
    static constexpr NamedControl kAll[] = {Command1};
};

// The formulas sheet (Form8) and the About window (Form7): fixed texts and an "OK" button
// that hides the window, which stays in existence for the next show.
class InformationWindow final : public Form, private InformationControls {
public:
    InformationWindow(FormContext& context, const FormDescription& description)
        : m_context(context), m_description(description) {}

    const FormDescription& description() const override { return m_description; }
    void click(std::string_view control) override;
    void change(std::string_view) override {}
    // Closing the window from its title bar does what its "OK" does.
    void closedFromTitleBar() override { click(Command1); }

private:
    FormContext& m_context;
    const FormDescription& m_description;
};

const FormDescription& form7Description();
const FormDescription& form8Description();

} // namespace formules
