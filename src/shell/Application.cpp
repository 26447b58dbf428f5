#include "Application.h"

#include "CalculationAddress.h"
#include "Windows.h"

namespace formules {

Application::Application(Toolkit& toolkit)
    : m_toolkit(toolkit), m_context{toolkit, m_quantities, *this} {}

Application::~Application() {
    for (const std::unique_ptr<Form>& form : m_forms) {
        if (form) {
            m_toolkit.discard(*form);
        }
    }
}

void Application::start() {
    show(FormId::Form1);
}

void Application::show(FormId id) {
    std::unique_ptr<Form>& form = m_forms[indexOf(id)];
    if (!form) {
        form = windowRow(id).create(m_context);
    }
    m_toolkit.show(*form);
}

void Application::calculationShown(FormId id,
                                   const std::vector<std::pair<BoxName, std::string>>& texts) {
    AddressedCalculation calculation{id, {}};
    for (const auto& [box, text] : texts) {
        calculation.texts.emplace_back(std::string(box.name), text);
    }
    setAddress(calculationFragment(calculation), id);
}

// Clearing another window leaves the address of the calculation shown in its own.
void Application::calculationCleared(FormId id) {
    if (id == m_addressedForm) {
        setAddress(std::string(), id);
    }
}

void Application::setAddress(std::string fragment, FormId form) {
    m_addressedForm = form;
    if (fragment != m_address) {
        m_address = std::move(fragment);
        if (m_addressListener) {
            m_addressListener(m_address);
        }
    }
}

void Application::openAddress(std::string_view address) {
    const std::optional<std::string_view> fragment = fragmentOf(address);
    const std::optional<AddressedCalculation> calculation =
        fragment ? readCalculationFragment(*fragment) : std::nullopt;
    if (!calculation) {
        return;
    }
    show(calculation->form);
    Form& form = *find(calculation->form);
    // The boxes the address does not name are emptied, so that the window holds its calculation
    // and nothing else, as in a program just started.
    for (const DataBox& data : windowRow(calculation->form).frame().dataBoxes) {
        std::string_view text;
        for (const auto& [box, given] : calculation->texts) {
            text = box == data.box.name ? std::string_view(given) : text;
        }
        m_toolkit.writeBox(form, data.box, text);
    }
    m_toolkit.userClicks(form, CalculatorButtons::Command1.name);
}

void Application::close(FormId id) {
    if (Form* form = find(id)) {
        form->closedFromTitleBar();
    }
}

} // namespace formules
