#include "HeadlessToolkit.h"

#include "forms/Form.h"
#include "quantities/Utf8.h"

namespace formules {

HeadlessToolkit::HeadlessToolkit(std::string decimalSeparator) : Toolkit("in-memory toolkit") {
    setDecimalSeparator(std::move(decimalSeparator));
}

void HeadlessToolkit::showWindow(Form& form) {
    auto [it, created] = m_windows.try_emplace(&form);
    if (created) {
        for (const ControlDescription& control : form.description().controls) {
            if (control.kind == ControlKind::TextBox) {
                it->second.boxes.emplace(control.name, translated(control.caption));
            }
        }
    }
    it->second.visible = true;
}

std::string HeadlessToolkit::boxText(const Form& form, std::string_view box) const {
    return m_windows.at(&form).boxes.find(box)->second;
}

void HeadlessToolkit::setBoxText(Form& form, std::string_view box, std::string_view text) {
    m_windows.at(&form).boxes.find(box)->second = std::string(text);
}

void HeadlessToolkit::focusWindowBox(Form& form, std::string_view box) {
    m_windows.at(&form).focused = std::string(box);
}

void HeadlessToolkit::focusControl(Form& form, std::string_view control) {
    m_windows.at(&form).focused = std::string(control);
}

std::string HeadlessToolkit::focusedControl(const Form& form) const {
    const auto window = m_windows.find(&form);
    return window != m_windows.end() ? window->second.focused : std::string();
}

void HeadlessToolkit::setLabelText(Form& form, std::string_view label, std::string_view text) {
    m_windows.at(&form).writtenLabels[std::string(label)] = std::string(text);
}

void HeadlessToolkit::showMessage(std::string_view text) {
    m_messages.emplace_back(text);
    if (m_messageListener) {
        m_messageListener(text);
    }
}

std::string HeadlessToolkit::readText(const Form& form, std::string_view control) const {
    const FormDescription& description = form.description();
    if (description.hasTextBox(control)) {
        return readBox(form, control);
    }
    checkControl(form, control);
    const ControlDescription* described = description.control(control);
    const auto window = m_windows.find(&form);
    if (window != m_windows.end()) {
        const auto written = window->second.writtenLabels.find(control);
        if (written != window->second.writtenLabels.end()) {
            return written->second;
        }
    }
    return withoutAccessKeys(
        translated(described != nullptr ? described->caption : description.caption));
}

bool HeadlessToolkit::isVisible(const Form& form) const {
    const auto it = m_windows.find(&form);
    return it != m_windows.end() && it->second.visible;
}

std::vector<std::pair<std::string, std::string>> HeadlessToolkit::boxes(const Form& form) const {
    const auto it = m_windows.find(&form);
    if (it == m_windows.end()) {
        return {};
    }
    return {it->second.boxes.begin(), it->second.boxes.end()};
}

void HeadlessToolkit::click(Form& form, std::string_view control) {
    checkClickable(form, control);
    userClicks(form, control);
}

void HeadlessToolkit::edit(Form& form, std::string_view box, std::string text) {
    checkBox(form, box);
    if (!hasEnded()) {
        setBoxText(form, box, text);
        userEditsBox(form, box);
    }
}

void HeadlessToolkit::type(Form& form, std::string_view box, std::string_view characters) {
    for (std::string_view character : charactersOf(characters)) {
        edit(form, box, readBox(form, box) + std::string(character));
    }
}

void HeadlessToolkit::erase(Form& form, std::string_view box, unsigned count) {
    for (; count > 0; --count) {
        std::string text = readBox(form, box);
        if (text.empty()) {
            return;
        }
        text.resize(text.size() - charactersOf(text).back().size());
        edit(form, box, std::move(text));
    }
}

void HeadlessToolkit::paste(Form& form, std::string_view box, std::string_view text) {
    edit(form, box, std::string(text));
}

std::vector<std::string_view> charactersOf(std::string_view text) {
    std::vector<std::string_view> characters;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = start + 1;
        while (end < text.size() && isContinuationByte(text[end])) {
            ++end;
        }
        characters.push_back(text.substr(start, end - start));
        start = end;
    }
    return characters;
}

} // namespace formules
