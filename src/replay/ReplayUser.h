#pragma once

#include "forms/Form.h"
#include "forms/Toolkit.h"

#include <functional>
#include <string>
#include <string_view>

namespace formules {

// A user at the program's windows, on one toolkit: what the replay driver asks of a user, done
// the way that toolkit's windows take it (in memory, writes; on Qt, keys and mouse clicks).
class ReplayUser {
public:
    using MessageListener = std::function<void(std::string_view)>;

    virtual ~ReplayUser() = default;

    // The toolkit the program runs on.
    virtual Toolkit& toolkit() = 0;

    // Typing at the end of the box, one character after the other.
    virtual void type(Form& form, std::string_view box, std::string_view text) = 0;
    // Backspace pressed count times at the end of the box.
    virtual void erase(Form& form, std::string_view box, unsigned count) = 0;
    // Everything in the box selected, and the text pasted over it.
    virtual void paste(Form& form, std::string_view box, std::string_view text) = 0;
    // What a user does before the program shows a window that no action of the user shows (a
    // script's "show"): a message box left open is closed first, as the user would.
    virtual void beforeShowing() {}
    // A click on a button or a menu entry.
    virtual void click(Form& form, std::string_view control) = 0;
    // The window's close button in its title bar.
    virtual void close(Form& form) = 0;
    // What the user reads in a control (a box's text, a label's or a button's caption) or, for
    // an empty name, in the window's title bar: in the program's language, without the marks of
    // access keys.
    virtual std::string read(Form& form, std::string_view control) = 0;

    // Told the text of every message box as it opens, before the user closes it with OK.
    virtual void setMessageListener(MessageListener listener) = 0;
};

} // namespace formules
