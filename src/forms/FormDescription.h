#pragma once

#include "AccessKeys.h"
#include "ControlName.h"
#include "FormId.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace formules {

// A window's design-time description, the data a toolkit builds the window from. Positions and
// sizes are in form units of 1/1440 inch; a control inside a panel is placed relative to it.

struct FormRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct Colour {
    enum class Source { Default, Rgb, SystemWindow, SystemWindowText };
    Source source = Source::Default;
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    static Colour rgb(int r, int g, int b) {
        return {Source::Rgb, static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                static_cast<std::uint8_t>(b)};
    }
    static Colour systemWindow() { return {Source::SystemWindow}; }
    static Colour systemWindowText() { return {Source::SystemWindowText}; }
    bool isDefault() const { return source == Source::Default; }
};

struct FontDescription {
    std::string family;
    double pointSize = 8.25;
    bool bold = false;
    bool italic = false;
};

enum class ControlKind { Button, TextBox, Label, PictureBox };

// The kind's name where a kind is written out: "button", "box", "label" or "panel" (the page's
// classes, the translators' notes).
const char* kindName(ControlKind kind);
enum class Alignment { Left, Centre };

struct ControlDescription {
    std::string name;
    ControlKind kind = ControlKind::Label;
    std::string caption; // a button's or label's caption, a text box's initial text
    FormRect rect;
    int tabIndex = -1;  // -1: the control takes no place in the tab order
    std::string parent; // the panel holding the control; empty for the window itself
    Colour background;
    Colour foreground;
    std::optional<FontDescription> font;
    Alignment alignment = Alignment::Left;
    std::string accessibleName;   // what assistive technology announces; captions name themselves
    std::string enterClicks;      // the button that Return in this text box presses, if any
    bool clickedByEscape = false; // a button that Escape presses anywhere in its window
    char accessKey = '\0'; // a letter of a button's caption that Alt presses it with; '\0': none
    std::string hint;      // shown as a tooltip, and given to assistive technology as a description
    // The labels that name a box, in reading order, which a layout keeps above it.
    std::vector<std::string> namedBy;

    ControlDescription inside(std::string panel) const;
    ControlDescription withBackground(Colour colour) const;
    ControlDescription withForeground(Colour colour) const;
    ControlDescription withFont(FontDescription description) const;
    ControlDescription centred() const;
    ControlDescription announcedAs(std::string announced) const;
    ControlDescription withEnterClicking(std::string_view button) const;
    ControlDescription withEscapeClicking() const;
    ControlDescription withAccessKey(char key) const;
    ControlDescription namedByLabels(std::vector<std::string> labels) const;
};

// The builders take the names the handlers use, typed, so that a box cannot be described as a
// button; labels and panels, which no handler names, take plain names.
ControlDescription button(ButtonName name, std::string caption, FormRect rect, int tabIndex);
ControlDescription textBox(BoxName name, std::string text, FormRect rect, int tabIndex);
ControlDescription label(std::string_view name, std::string caption, FormRect rect,
                         int tabIndex = -1);
ControlDescription pictureBox(std::string_view name, FormRect rect, int tabIndex);

// A top-level entry of the menu bar; an empty caption stands as a blank entry. The access key
// is a letter of the caption that Alt chooses the entry with; '\0' for none.
struct MenuEntryDescription {
    std::string name;
    std::string caption;
    char accessKey = '\0';
};

MenuEntryDescription menuEntry(MenuEntryName name, std::string caption, char accessKey = '\0');

struct FormDescription {
    FormId id = FormId::Form1;
    std::string caption;
    FormRect clientArea; // left and top count only when placed is true
    bool placed = false; // false: the windowing system chooses where it opens
    Colour background;
    Colour foreground;
    std::optional<FontDescription> font; // empty: the toolkit's default font
    std::vector<ControlDescription> controls;
    std::vector<MenuEntryDescription> menu;

    const ControlDescription* control(std::string_view name) const;
    // True when the name is a text box of the window, or something a user clicks in it: a
    // button or a menu entry.
    bool hasTextBox(std::string_view name) const;
    bool hasClickable(std::string_view name) const;
};

// Whether the control takes the keyboard focus: a button or a text box with a place in the tab
// order. Labels and panels never do.
bool takesFocus(const ControlDescription& control);

// The controls that take the focus, in the order Tab visits them: by their tab indexes, those
// with the same index in the order of the description. Every toolkit follows this order.
std::vector<const ControlDescription*> tabOrder(const FormDescription& description);

} // namespace formules
