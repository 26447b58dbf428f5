#pragma once

#include "WebToolkit.h"
#include "replay/ReplayUser.h"

namespace formules {

// The user of the windows in the page, for the replay driver: each action is done on the page's
// elements as the browser delivers a user's (replay/replay-page.js): a character inserted into the
// focused box with its input event, Backspace, a paste over the whole text, a click on a button,
// a menu entry or a title bar's close button. The program then takes the events the page queued,
// as it does when a real user acts. A message box is read and closed with its OK button.
class WebUser final : public ReplayUser {
public:
    Toolkit& toolkit() override { return m_toolkit; }

    void type(Form& form, std::string_view box, std::string_view text) override;
    void erase(Form& form, std::string_view box, unsigned count) override;
    void paste(Form& form, std::string_view box, std::string_view text) override;
    void click(Form& form, std::string_view control) override;
    void close(Form& form) override;
    std::string read(Form& form, std::string_view control) override;

    void beforeShowing() override;
    void setMessageListener(MessageListener listener) override;

private:
    std::string windowName(const Form& form) const;
    void mustExist(int found, const Form& form, const char* what, std::string_view name) const;

    WebToolkit m_toolkit;
};

} // namespace formules
