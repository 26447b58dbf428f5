#pragma once

#include "forms/Form.h"
#include "forms/FormContext.h"

#include <array>
#include <memory>

namespace formules {

// The program: the shared quantities and the windows of the registry, each created on its first
// show and kept until the program ends.
class Application final : public Navigator {
public:
    explicit Application(Toolkit& toolkit);
    // The toolkit discards every window before its form is destroyed, so that no window is
    // ever left holding a destroyed form.
    ~Application() override;

    // Start-up: the main window, and nothing else.
    void start();

    void show(FormId id) override;

    // The user closed the window from its title bar: the window's own handler decides (a
    // calculator does what its "Menu" does, the formulas sheet and the About window what their
    // "OK" does, the main window ends the program).
    void close(FormId id);

    // The window, or nullptr when it has not been created.
    Form* find(FormId id) const { return m_forms[indexOf(id)].get(); }

    SharedQuantities& quantities() { return m_quantities; }
    const SharedQuantities& quantities() const { return m_quantities; }

private:
    Toolkit& m_toolkit;
    SharedQuantities m_quantities;
    FormContext m_context;
    std::array<std::unique_ptr<Form>, kFormCount> m_forms;
};

} // namespace formules
