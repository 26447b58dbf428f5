#pragma once

#include "QtToolkit.h"
#include "replay/ReplayUser.h"

#include <QObject>

class QLineEdit;

namespace formules {

// The user of the real Qt windows, for the replay driver: key presses into the focused box
// (Backspace to erase; Ctrl+A and Ctrl+V with the clipboard to paste), mouse clicks on buttons
// and on the menu bar, the close event of the title bar, and a click on OK to close a message
// box once its text is read. Characters that no key types into a text box (tab, line feed)
// are entered as an input method commits text.
class QtUser final : public QObject, public ReplayUser {
public:
    QtUser();
    ~QtUser() override;

    Toolkit& toolkit() override { return m_toolkit; }

    void type(Form& form, std::string_view box, std::string_view text) override;
    void erase(Form& form, std::string_view box, unsigned count) override;
    void paste(Form& form, std::string_view box, std::string_view text) override;
    void click(Form& form, std::string_view control) override;
    void close(Form& form) override;
    std::string read(Form& form, std::string_view control) override;

    void setMessageListener(MessageListener listener) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The box focused in its active window, the cursor at the end of its text.
    QLineEdit* focusedBox(Form& form, std::string_view box);

    QtToolkit m_toolkit;
    MessageListener m_messageListener;
};

} // namespace formules
