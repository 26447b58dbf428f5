#pragma once

#include "ReplayUser.h"
#include "shell/HeadlessToolkit.h"

namespace formules {

// The user of the in-memory windows: typing and erasing are edits, one per character, pasting
// is one edit, and a message box is closed as soon as it opens.
class HeadlessUser final : public ReplayUser {
public:
    Toolkit& toolkit() override { return m_toolkit; }

    void type(Form& form, std::string_view box, std::string_view text) override {
        m_toolkit.type(form, box, text);
    }
    void erase(Form& form, std::string_view box, unsigned count) override {
        m_toolkit.erase(form, box, count);
    }
    void paste(Form& form, std::string_view box, std::string_view text) override {
        m_toolkit.paste(form, box, text);
    }
    void click(Form& form, std::string_view control) override { m_toolkit.click(form, control); }
    void close(Form& form) override {
        if (!m_toolkit.hasEnded()) {
            form.closedFromTitleBar();
        }
    }
    std::string read(Form& form, std::string_view control) override {
        return m_toolkit.readText(form, control);
    }

    void setMessageListener(MessageListener listener) override {
        m_toolkit.setMessageListener(std::move(listener));
    }

private:
    HeadlessToolkit m_toolkit;
};

} // namespace formules
