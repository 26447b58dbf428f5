#pragma once

#include "forms/Toolkit.h"

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace formules {

// The toolkit in memory, for tests and the replay driver: a window is a visible flag and its
// named text boxes. A message box records its text and returns as if OK had been pressed. A
// window that was never shown, or a control its description lacks, stops the run loudly. It
// speaks the toolkit's language, French unless told otherwise.
class HeadlessToolkit final : public Toolkit {
public:
    using MessageListener = std::function<void(std::string_view)>;

    // Numbers are written with the separator given, as a locale pinned for tests; an empty one
    // leaves it to the windows' language, as no locale is known in memory.
    explicit HeadlessToolkit(std::string decimalSeparator = ".");

    void setMessageListener(MessageListener listener) { m_messageListener = std::move(listener); }

    // What a user or a test sees.
    bool exists(const Form& form) const override { return m_windows.count(&form) != 0; }
    bool isVisible(const Form& form) const override;
    // The text boxes of the window, in the order of their names.
    std::vector<std::pair<std::string, std::string>> boxes(const Form& form) const;
    const std::vector<std::string>& messages() const { return m_messages; }
    // The text a user reads in a control, or in the title bar for an empty name: a box's text, a
    // label's written text, or the described caption translated, without the marks of access
    // keys.
    std::string readText(const Form& form, std::string_view control) const;
    // The control the program last put the focus in (a box it names has its text selected);
    // empty when none.
    std::string focusedControl(const Form& form) const;

    // What a user does, reaching the program as a user's action does on every toolkit: a click
    // on a button or menu entry; typing into a box, one edit per character; Backspace pressed
    // count times at the end of the box, one edit per character removed; everything selected and
    // a text pasted over it, one edit. Nothing happens once the program has ended.
    void click(Form& form, std::string_view control);
    void type(Form& form, std::string_view box, std::string_view characters);
    void erase(Form& form, std::string_view box, unsigned count);
    void paste(Form& form, std::string_view box, std::string_view text);

private:
    void showWindow(Form& form) override;
    void hideWindow(Form& form) override { m_windows.at(&form).visible = false; }
    std::string boxText(const Form& form, std::string_view box) const override;
    void setBoxText(Form& form, std::string_view box, std::string_view text) override;
    void focusWindowBox(Form& form, std::string_view box) override;
    void focusControl(Form& form, std::string_view control) override;
    std::optional<UserLocale> userLocale() const override { return std::nullopt; }
    // The user's edit: the box shows the text, and the toolkit's rules deliver it.
    void edit(Form& form, std::string_view box, std::string text);
    void setLabelText(Form& form, std::string_view label, std::string_view text) override;
    void showMessage(std::string_view text) override;
    void closeEveryWindow() override {}
    void dropWindow(Form& form) override { m_windows.erase(&form); }

    struct Window {
        bool visible = false;
        std::map<std::string, std::string, std::less<>> boxes;
        std::map<std::string, std::string, std::less<>> writtenLabels;
        std::string focused;
    };

    std::map<const Form*, Window> m_windows;
    std::vector<std::string> m_messages;
    MessageListener m_messageListener;
};

// The UTF-8 characters of a text, one string each, as a user types them.
std::vector<std::string_view> charactersOf(std::string_view text);

} // namespace formules
