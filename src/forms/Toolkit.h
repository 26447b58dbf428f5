#pragma once

#include "Languages.h"
#include "ToolkitTexts.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace formules {

class Form;

// The window operations the program's logic relies on; every window is driven through them.
// The same logic runs on a real toolkit and on the in-memory one used by tests.
//
// The rules every toolkit keeps are kept here, once: nothing happens after the program has
// ended; a box's change rule runs only when its text really changed; a window or a control the
// program does not have stops the run. A toolkit only maps each operation to its widgets.
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
    // in front; a window that exists keeps its state and its boxes' texts. A window just built,
    // or shown again after it was hidden, takes the focus in its first control in tab order: the
    // user starts over there, not on the button that hid it. One already visible keeps its focus.
    void show(Form& form);

    // Makes the window invisible; it stays in existence with its state.
    void hide(Form& form);

    std::string readBox(const Form& form, std::string_view box) const;

    // Shows the text in the box. When it differs from the box's text, the box's change event
    // is delivered before this returns; an identical text delivers nothing.
    void writeBox(Form& form, std::string_view box, std::string_view text);

    // Puts the keyboard focus in the box, its whole text selected, as the user left its window
    // after a message about it.
    void focusBox(Form& form, std::string_view box);

    // Shows the text, already in the user's language, in a label of the window; a label has no
    // change event.
    void writeLabel(Form& form, std::string_view label, std::string_view text);

    // A modal message with an OK button only, titled with the program's name, in the windows'
    // language. No other handler of the program runs while it is open.
    void messageBox(std::string_view text);

    // Closes every window at once; no further handler of the program runs.
    void endProgram();

    // Drops the window built for this form, without any event: the program is about to
    // destroy the form, and a later show builds a new window from the description.
    void discard(Form& form);

    bool hasEnded() const { return m_ended; }

    // What a user does, as each toolkit hands it to the program: a click on a button or a menu
    // entry, an edit of a box (its change rule runs only when the text differs from the one the
    // rule last saw), the close button of a title bar, each in a window the toolkit has built.
    // Nothing reaches the program once it has ended, and nothing reaches a window that is not
    // built or a control its window lacks.
    void userClicks(Form& form, std::string_view control);
    void userEditsBox(Form& form, std::string_view box);
    void userClosesWindow(Form& form);

    // Whether the form's window has been built (and not discarded), and whether it is shown.
    virtual bool exists(const Form& form) const = 0;
    virtual bool isVisible(const Form& form) const = 0;

    // The decimal separator numbers are written with: the one set, or else the one the user's
    // locale and the windows' language decide (resultsSeparator).
    std::string decimalSeparator() const;
    // Writes numbers with this separator from now on, whatever the locale (tests and scripts
    // pin one); an empty one goes back to the locale's.
    void setDecimalSeparator(std::string separator) { m_decimalSeparator = std::move(separator); }

    // A window, a text box, a label, a button or menu entry, or any control (or the title bar,
    // for an empty name) that the program does not have stops the run, naming it and the
    // toolkit: asked for by a test or a script, or by a toolkit whose widgets differ from the
    // description, it is a fault of the program, never of the user.
    void checkWindow(const Form& form) const;
    void checkBox(const Form& form, std::string_view box) const;
    void checkLabel(const Form& form, std::string_view label) const;
    void checkClickable(const Form& form, std::string_view control) const;
    void checkControl(const Form& form, std::string_view control) const;
    [[noreturn]] void refuse(const Form& form, const char* what, std::string_view name) const;

protected:
    // Named in the message that stops the run.
    explicit Toolkit(const char* name) : m_name(name) {}

    // The user's locale, as the toolkit knows it; nothing when it knows none.
    virtual std::optional<UserLocale> userLocale() const = 0;

    // What each toolkit does with its widgets; called only while the program runs, and for
    // windows and controls it has. Writing a box's text delivers no change event.
    virtual void showWindow(Form& form) = 0;
    virtual void hideWindow(Form& form) = 0;
    virtual std::string boxText(const Form& form, std::string_view box) const = 0;
    virtual void setBoxText(Form& form, std::string_view box, std::string_view text) = 0;
    virtual void focusWindowBox(Form& form, std::string_view box) = 0;
    // Puts the focus in the control, a button or a box, without selecting a box's text.
    virtual void focusControl(Form& form, std::string_view control) = 0;
    virtual void setLabelText(Form& form, std::string_view label, std::string_view text) = 0;
    // The message, already in the windows' language.
    virtual void showMessage(std::string_view text) = 0;
    virtual void closeEveryWindow() = 0;
    virtual void dropWindow(Form& form) = 0;

private:
    void runChangeRule(Form& form, std::string_view box, std::string text);

    const char* m_name;
    std::string m_language = kSourceLanguage;
    std::string m_decimalSeparator;
    bool m_ended = false;
    // Each window's boxes, with their texts when their change rule last saw them.
    std::map<const Form*, std::map<std::string, std::string, std::less<>>> m_seenTexts;
};

} // namespace formules
