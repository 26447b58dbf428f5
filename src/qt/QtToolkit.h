#pragma once

#include "forms/Toolkit.h"

#include <map>
#include <memory>
#include <optional>
#include <string>

class QLineEdit;

namespace formules {

class FormWindow;

// The window operations on Qt 6 Widgets: each form's window is built from its description on
// its first show, and owned here until it is discarded. Events are delivered to the forms on
// the GUI thread.
class QtToolkit final : public Toolkit {
public:
    QtToolkit();
    ~QtToolkit() override;

    bool exists(const Form& form) const override { return window(form) != nullptr; }
    bool isVisible(const Form& form) const override;

    // The window built for the form, or nullptr.
    FormWindow* window(const Form& form) const;
    // The window built for the form, and one of its boxes; a form without a window, or a box its
    // window lacks, stops the run.
    FormWindow& builtWindow(const Form& form) const;
    QLineEdit& boxIn(const Form& form, std::string_view box) const;

private:
    void showWindow(Form& form) override;
    void hideWindow(Form& form) override;
    std::string boxText(const Form& form, std::string_view box) const override;
    void setBoxText(Form& form, std::string_view box, std::string_view text) override;
    void focusWindowBox(Form& form, std::string_view box) override;
    void focusControl(Form& form, std::string_view control) override;
    std::optional<UserLocale> userLocale() const override;
    void setLabelText(Form& form, std::string_view label, std::string_view text) override;
    void showMessage(std::string_view text) override;
    void closeEveryWindow() override;
    void dropWindow(Form& form) override;

    // Destroys a window at once, or once it has left its own event when it is inside one.
    struct WindowDeleter {
        void operator()(FormWindow* window) const;
    };

    std::map<const Form*, std::unique_ptr<FormWindow, WindowDeleter>> m_windows;
};

} // namespace formules
