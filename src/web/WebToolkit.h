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
    WebToolkit() : Toolkit("web toolkit") {}

    using MessageListener = std::function<void(std::string_view)>;

    bool exists(const Form& form) const override { return m_windows.count(&form) != 0; }
    bool isVisible(const Form& form) const override;

    // Told the text of every message box as it showed, once the user has closed it.
    void setMessageListener(MessageListener listener) { m_messageListener = std::move(listener); }

    // Delivers every user event the page has queued to its window's form, in order: a click on a
    // button or a menu entry, a change of a box's text, the close button of a title bar. A box
    // whose text is the one its change rule last saw delivers nothing.
    void deliverEvents();

private:
    void showWindow(Form& form) override;
    void hideWindow(Form& form) override;
    std::string boxText(const Form& form, std::string_view box) const override;
    void setBoxText(Form& form, std::string_view box, std::string_view text) override;
    void focusWindowBox(Form& form, std::string_view box) override;
    void focusControl(Form& form, std::string_view control) override;
    // The browser's first language, as the page reads it, with the separator it writes numbers
    // with there.
    std::optional<UserLocale> userLocale() const override;
    void setLabelText(Form& form, std::string_view label, std::string_view text) override;
    void showMessage(std::string_view text) override;
    void closeEveryWindow() override;
    void dropWindow(Form& form) override;

    struct Window {
        Form* form = nullptr;
        std::string name;
        bool visible = false;
    };

    const std::string& nameOfWindow(const Form& form) const { return m_windows.at(&form).name; }
    Form* formNamed(std::string_view name) const;

    std::map<const Form*, Window> m_windows;
    MessageListener m_messageListener;
    mutable std::optional<UserLocale> m_userLocale;
};

} // namespace formules
