#pragma once

#include "forms/Form.h"
#include "forms/FormContext.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

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

    // The calculation the windows show, as the fragment of an address names it: the last one a
    // "Calcul" wrote the result of, until its window is cleared; empty when there is none. The
    // listener hears each change (the page puts it into its address).
    using AddressListener = std::function<void(const std::string& fragment)>;
    const std::string& address() const { return m_address; }
    void setAddressListener(AddressListener listener) { m_addressListener = std::move(listener); }

    // Opens the calculation an address names (an address, or its fragment after "#"): its
    // calculator shown, the texts written into its boxes as if typed (the others emptied), and
    // "Calcul" pressed. An address that names none the page could have written changes nothing.
    void openAddress(std::string_view address);

    void calculationShown(FormId id,
                          const std::vector<std::pair<BoxName, std::string>>& texts) override;
    void calculationCleared(FormId id) override;

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
    std::string m_address;
    // The window whose calculation the address names.
    FormId m_addressedForm = FormId::Form1;
    AddressListener m_addressListener;

    void setAddress(std::string fragment, FormId form);
};

} // namespace formules
