#include "Application.h"

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

void Application::close(FormId id) {
    if (Form* form = find(id)) {
        form->closedFromTitleBar();
    }
}

} // namespace formules
