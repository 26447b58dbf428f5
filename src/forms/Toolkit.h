#pragma once

#include "Languages.h"
#include "ToolkitTexts.h"

#include <string>
#include <string_view>
#include <utility>

namespace formules {

class Form;

// The window operations the program's logic relies on; every window is driven through them.
// The same logic runs on a real toolkit and on the in-memory one used by tests.
class Toolkit {
public:
    virtual ~Toolkit() = default;

    // The language the windows speak (French, or one of spokenLanguages()), chosen before the
    // first window is built.
    const std::string& language() const { return m_language; }
    void setLanguage(std::string language) { m_language = std::move(language); }

    // The text in the windows' language; as it is written, in French, when it has no
    // translation.
    std::string translated(std::string_view text) const { return translate(m_language, text); }

    // Creates the window from its description on first use, then makes it visible, modeless and
    // in front; a window that exists keeps its state and its boxes' texts.
    virtual void show(Form& form) = 0;

    // Makes the window invisible; it stays in existence with its state.
    virtual void hide(Form& form) = 0;

    virtual std::string readBox(const Form& form, std::string_view box) const = 0;

    // Shows the text in the box. When it differs from the box's text, the box's change event
    // is delivered before this returns; an identical text delivers nothing.
    virtual void writeBox(Form& form, std::string_view box, std::string_view text) = 0;

    // Puts the keyboard focus in the box, its whole text selected, as the user left its window
    // after a message about it.
    virtual void focusBox(Form& form, std::string_view box) = 0;

    // Shows the text, already in the user's language, in a label of the window; a label has no
    // change event.
    virtual void writeLabel(Form& form, std::string_view label, std::string_view text) = 0;

    // A modal message with an OK button only, titled with the program's name; returns once the
    // user has closed it. No other handler of the program runs while it is open.
    virtual void messageBox(std::string_view text) = 0;

    // Closes every window at once; no further handler of the program runs.
    virtual void endProgram() = 0;

    // Drops the window built for this form, without any event: the program is about to
    // destroy the form, and a later show builds a new window from the description.
    virtual void discard(Form& form) = 0;

    // Whether the form's window has been built (and not discarded), whether it is shown, and
    // whether the program has ended.
    virtual bool exists(const Form& form) const = 0;
    virtual bool isVisible(const Form& form) const = 0;
    virtual bool hasEnded() const = 0;

    // The decimal separator of the user's locale, used to write numbers into boxes.
    virtual std::string decimalSeparator() const = 0;

private:
    std::string m_language = kSourceLanguage;
};

// A window or a control the program does not have is a fault of the program, never of the user:
// every toolkit stops the run, naming it, so that the test that reached it fails.
[[noreturn]] void refuseUnknown(const char* toolkit, const Form& form, const char* what,
                                std::string_view name);

} // namespace formules
