#pragma once

#include "Form.h"
#include "FormContext.h"

#include <array>
#include <memory>

// The program: the shared quantities and the eight windows, each created on its first show and
// kept until the program ends (or until the user closes it from its title bar).
class Application final : public Navigator {
public:
    explicit Application(Toolkit& toolkit);
    ~Application() override;

    // Start-up: the main window, and nothing else.
    void start();

    void show(FormId id) override;

    // The window closed from its title bar: it is discarded without running any handler, so
    // the quantities keep their values, and the next show creates it anew. Closing the main
    // window ends the program, as "Quitter" does.
    void close(FormId id);

    // The window, or nullptr when it has not been created.
    Form* find(FormId id) const { return m_forms[indexOf(id)].get(); }

    SharedQuantities& quantities() { return m_quantities; }
    const SharedQuantities& quantities() const { return m_quantities; }

private:
    std::unique_ptr<Form> create(FormId id);

    Toolkit& m_toolkit;
    SharedQuantities m_quantities;
    FormContext m_context;
    std::array<std::unique_ptr<Form>, kAllForms.size()> m_forms;
};
