#pragma once

#include "shell/FormId.h"
#include "shell/Toolkit.h"

#include <functional>
#include <map>

class FormWindow;

// The window operations on Qt 6 Widgets: each form's window is built from its description on
// its first show. Events are delivered to the forms on the GUI thread.
class QtToolkit final : public Toolkit {
public:
    QtToolkit() = default;
    ~QtToolkit() override;

    // Where a window closed by the user from its title bar is reported.
    void setCloseListener(std::function<void(FormId)> listener) {
        m_closeListener = std::move(listener);
    }

    void show(Form& form) override;
    void hide(Form& form) override;
    std::string readBox(const Form& form, std::string_view box) const override;
    void writeBox(Form& form, std::string_view box, std::string_view text) override;
    void messageBox(std::string_view text) override;
    void endProgram() override;
    void discard(Form& form) override;
    std::string decimalSeparator() const override;

    // The window built for the form, or nullptr; for tests.
    FormWindow* window(const Form& form) const;

private:
    std::map<const Form*, FormWindow*> m_windows;
    std::function<void(FormId)> m_closeListener;
    bool m_ended = false;
};
