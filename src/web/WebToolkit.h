#pragma once

#include "forms/Toolkit.h"

#include <functional>
#include <map>
#include <optional>
#include <string>

namespace formules {

// The window operations on a web page's DOM (site/page.js): each form's window is built from its
// description on its first show, as a dialog of the page that floats over it, and events reach
// the forms through deliverEvents. A message box is modal: the page shows what the handler does
// after opening it only once the user has closed it, and no event reaches the program meanwhile.
// A window that was never shown, or a control its description lacks, stops the run loudly, as
// on the other toolkits.
class WebToolkit final : public Toolkit {
public:
    using MessageListener = std::function<void(std::string_view)>;

    void show(Form& form) override;
    void hide(Form& form) override;
    std::string readBox(const Form& form, std::string_view box) const override;
    void writeBox(Form& form, std::string_view box, std::string_view text) override;
    void focusBox(Form& form, std::string_view box) override;
    void writeLabel(Form& form, std::string_view label, std::string_view text) override;
    void messageBox(std::string_view text) override;
    void endProgram() override;
    void discard(Form& form) override;
    bool exists(const Form& form) const override { return m_windows.count(&form) != 0; }
    bool isVisible(const Form& form) const override;
    bool hasEnded() const override { return m_ended; }
    // The separator the browser writes numbers with in the windows' language, unless set.
    std::string decimalSeparator() const override;

    void setDecimalSeparator(std::string separator) { m_decimalSeparator = std::move(separator); }
    // Told the text of every message box as it showed, once the user has closed it.
    void setMessageListener(MessageListener listener) { m_messageListener = std::move(listener); }

    // Delivers every user event the page has queued to its window's form, in order: a click on a
    // button or a menu entry, a change of a box's text, the close button of a title bar. A box
    // whose text is the one its change rule last saw delivers nothing.
    void deliverEvents();

private:
    struct Window {
        Form* form = nullptr;
        std::string name;
        bool visible = false;
        // Each box's text when its change rule last ran.
        std::map<std::string, std::string, std::less<>> boxTexts;
    };

    Window& windowOf(const Form& form);
    const Window& windowOf(const Form& form) const;
    Form* formNamed(std::string_view name) const;
    void checkBox(const Form& form, std::string_view box) const;
    void deliver(std::string_view kind, Form& form, std::string_view control);

    std::map<const Form*, Window> m_windows;
    MessageListener m_messageListener;
    mutable std::optional<std::string> m_decimalSeparator;
    bool m_ended = false;
};

} // namespace formules
