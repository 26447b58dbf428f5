#include "FormDescription.h"

#include <algorithm>
#include <utility>

namespace formules {

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

ControlDescription ControlDescription::announcedAs(std::string announced) const {
    ControlDescription copy = *this;
    copy.accessibleName = std::move(announced);
    return copy;
}

ControlDescription ControlDescription::withEnterClicking(std::string_view button) const {
    ControlDescription copy = *this;
    copy.enterClicks = std::string(button);
    return copy;
}

ControlDescription ControlDescription::withEscapeClicking() const {
    ControlDescription copy = *this;
    copy.clickedByEscape = true;
    return copy;
}

ControlDescription ControlDescription::withAccessKey(char key) const {
    ControlDescription copy = *this;
    copy.accessKey = key;
    return copy;
}

ControlDescription ControlDescription::namedByLabels(std::vector<std::string> labels) const {
    ControlDescription copy = *this;
    copy.namedBy = std::move(labels);
    return copy;
}

namespace {

ControlDescription control(std::string_view name, ControlKind kind, std::string caption,
                           FormRect rect, int tabIndex) {
    ControlDescription description;
    description.name = std::string(name);
    description.kind = kind;
    description.caption = std::move(caption);
    description.rect = rect;
    description.tabIndex = tabIndex;
    return description;
}

} // namespace

ControlDescription button(ButtonName name, std::string caption, FormRect rect, int tabIndex) {
    return control(name, ControlKind::Button, std::move(caption), rect, tabIndex);
}

ControlDescription textBox(BoxName name, std::string text, FormRect rect, int tabIndex) {
    return control(name, ControlKind::TextBox, std::move(text), rect, tabIndex);
}

ControlDescription label(std::string_view name, std::string caption, FormRect rect, int tabIndex) {
    return control(name, ControlKind::Label, std::move(caption), rect, tabIndex);
}

ControlDescription pictureBox(std::string_view name, FormRect rect, int tabIndex) {
    return control(name, ControlKind::PictureBox, std::string(), rect, tabIndex);
}

MenuEntryDescription menuEntry(MenuEntryName name, std::string caption, char accessKey) {
    return {std::string(name.name), std::move(caption), accessKey};
}

bool FormDescription::hasTextBox(std::string_view name) const {
    const ControlDescription* found = control(name);
    return found != nullptr && found->kind == ControlKind::TextBox;
}

bool FormDescription::hasClickable(std::string_view name) const {
    const ControlDescription* found = control(name);
    if (found != nullptr && found->kind == ControlKind::Button) {
        return true;
    }
    for (const MenuEntryDescription& entry : menu) {
        if (entry.name == name) {
            return true;
        }
    }
    return false;
}

const ControlDescription* FormDescription::control(std::string_view name) const {
    for (const ControlDescription& candidate : controls) {
        if (candidate.name == name) {
            return &candidate;
        }
    }
    return nullptr;
}

const char* kindName(ControlKind kind) {
    switch (kind) {
    case ControlKind::Button:
        return "button";
    case ControlKind::TextBox:
        return "box";
    case ControlKind::Label:
        return "label";
    case ControlKind::PictureBox:
        return "panel";
    }
    return "label";
}

bool takesFocus(const ControlDescription& control) {
    return control.tabIndex >= 0 &&
           (control.kind == ControlKind::Button || control.kind == ControlKind::TextBox);
}

std::vector<const ControlDescription*> tabOrder(const FormDescription& description) {
    std::vector<const ControlDescription*> order;
    for (const ControlDescription& control : description.controls) {
        if (takesFocus(control)) {
            order.push_back(&control);
        }
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const auto* a, const auto* b) { return a->tabIndex < b->tabIndex; });
    return order;
}

} // namespace formules
