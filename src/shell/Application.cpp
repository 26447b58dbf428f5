#include "Application.h"

#include "Form1.h"
#include "InformationWindows.h"
#include "calculators/Form2.h"
#include "calculators/Form3.h"
#include "calculators/Form4.h"
#include "calculators/Form5.h"
#include "calculators/Form6.h"

Application::Application(Toolkit& toolkit)
    : m_toolkit(toolkit), m_context{toolkit, m_quantities, *this} {}

Application::~Application() = default;

void Application::start() {
    show(FormId::Form1);
}

void Application::show(FormId id) {
    std::unique_ptr<Form>& form = m_forms[indexOf(id)];
    if (!form) {
        form = create(id);
    }
    if (form) {
        m_toolkit.show(*form);
    }
}

void Application::close(FormId id) {
    if (Form* form = find(id)) {
        form->closedFromTitleBar();
    }
}

std::unique_ptr<Form> Application::create(FormId id) {
    switch (id) {
    case FormId::Form1:
        return std::make_unique<Form1>(m_context);
    case FormId::Form2:
        return std::make_unique<Form2>(m_context);
    case FormId::Form3:
        return std::make_unique<Form3>(m_context);
    case FormId::Form4:
        return std::make_unique<Form4>(m_context);
    case FormId::Form5:
        return std::make_unique<Form5>(m_context);
    case FormId::Form6:
        return std::make_unique<Form6>(m_context);
    case FormId::Form7:
        return std::make_unique<InformationWindow>(m_context, form7Description());
    case FormId::Form8:
        return std::make_unique<InformationWindow>(m_context, form8Description());
    }
    return nullptr;
}
