#include "FormDescription.h"

#include <utility>

ControlDescription ControlDescription::inside(std::string panel) const {
    ControlDescription copy = *this;
    copy.parent = std::move(panel);
    return copy;
}

ControlDescription ControlDescription::withBackground(Colour colour) const {
    ControlDescription copy = *this;
    copy.background = colour;
    return copy;
}

ControlDescription ControlDescription::withForeground(Colour colour) const {
    ControlDescription copy = *this;
    copy.foreground = colour;
    return copy;
}

ControlDescription ControlDescription::withFont(FontDescription description) const {
    ControlDescription copy = *this;
    copy.font = std::move(description);
    return copy;
}

ControlDescription ControlDescription::centred() const {
    ControlDescription copy = *this;
    copy.alignment = Alignment::Centre;
    return copy;
}

ControlDescription ControlDescription::announcedAs(std::string name) const {
    ControlDescription copy = *this;
    copy.accessibleName = std::move(name);
    return copy;
}

ControlDescription ControlDescription::withEnterClicking(std::string button) const {
    ControlDescription copy = *this;
    copy.enterClicks = std::move(button);
    return copy;
}

ControlDescription ControlDescription::withEscapeClicking() const {
    ControlDescription copy = *this;
    copy.clickedByEscape = true;
    return copy;
}

namespace {

ControlDescription control(std::string name, ControlKind kind, std::string caption, FormRect rect,
                           int tabIndex) {
    ControlDescription description;
    description.name = std::move(name);
    description.kind = kind;
    description.caption = std::move(caption);
    description.rect = rect;
    description.tabIndex = tabIndex;
    return description;
}

} // namespace

ControlDescription button(std::string name, std::string caption, FormRect rect, int tabIndex) {
    return control(std::move(name), ControlKind::Button, std::move(caption), rect, tabIndex);
}

ControlDescription textBox(std::string name, std::string text, FormRect rect, int tabIndex) {
    return control(std::move(name), ControlKind::TextBox, std::move(text), rect, tabIndex);
}

ControlDescription label(std::string name, std::string caption, FormRect rect, int tabIndex) {
    return control(std::move(name), ControlKind::Label, std::move(caption), rect, tabIndex);
}

ControlDescription pictureBox(std::string name, FormRect rect, int tabIndex) {
    return control(std::move(name), ControlKind::PictureBox, std::string(), rect, tabIndex);
}

const ControlDescription* FormDescription::control(std::string_view name) const {
    for (const ControlDescription& candidate : controls) {
        if (candidate.name == name) {
            return &candidate;
        }
    }
    return nullptr;
}
