#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace formules {

// The page's side of the web toolkit (site/page.js), called from C++: the only calls that cross
// into JavaScript. Windows are named by their form's name ("Form4") and controls by their
// design names; every text is passed as text, which the page never reads as markup.
namespace page {

// A text crossing between the program and the page: the address of its UTF-8 and its length in
// bytes, side by side (two 32-bit words), as the page reads and writes them
// (site/page/program.js). Every character crosses, a NUL included.
struct CrossingText {
    char* data = nullptr;
    std::int32_t length = 0;
};

// What a user did in a window, as the page queued it.
struct UserEvent {
    // The same numbers as the page's (site/page/program.js).
    enum class Kind : std::int32_t { Click = 1, Change = 2, Close = 3 };
    Kind kind = Kind::Click;
    std::string form;    // the window's form: "Form4"
    std::string control; // the button, menu entry or box; empty for the close button
};

// Builds a window, hidden, from its description mapped to pixels, colours, fonts and texts (a
// JSON object; see PageWindow.h).
void buildWindow(const std::string& json);
// Shows the window in front of the others; one already visible keeps its focus where it was.
void showWindow(std::string_view form);
// Puts the focus in the control, a box's text unselected; a window the page drew before the
// program loaded keeps the focus where the user put it.
void focusControl(std::string_view form, std::string_view control);
void hideWindow(std::string_view form);
void removeWindow(std::string_view form);

std::string boxText(std::string_view form, std::string_view box);
void setBoxText(std::string_view form, std::string_view box, std::string_view text);
void setLabelText(std::string_view form, std::string_view label, std::string_view text);
// Puts the focus in the box, its whole text selected.
void focusBox(std::string_view form, std::string_view box);

// Shows a modal message box, or queues it behind one already open, and returns the message as
// the box shows it. Until the user has closed it, nothing else in the page responds, and the
// page holds back every later call that changes the windows (a box's text reads as written).
std::string messageBox(std::string_view title, std::string_view message, std::string_view ok);

// Every window disappears, and the page says that the program has ended and offers to start it
// again.
void end(std::string_view ended, std::string_view restart);

// The next user event the page has queued; none when the queue is empty.
std::optional<UserEvent> nextEvent();

// The user's first language as the page reads it (?lang= in the address, then the browser's
// list), with its region where it has one: "de-CH"; empty when there is none.
std::string userLocale();
// Replaces the page's address with one whose fragment is the one given ("spires?L=10..."; "" for
// the bare address), without a new entry in the browser's history.
void setAddress(std::string_view fragment);

// The decimal separator the browser writes numbers with in the locale.
std::string decimalSeparatorOf(std::string_view locale);

} // namespace page

} // namespace formules
