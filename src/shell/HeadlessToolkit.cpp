#include "HeadlessToolkit.h"

#include "forms/Form.h"
#include "quantities/Utf8.h"

namespace formules {

void HeadlessToolkit::refuse(const Form& form, const char* what, std::string_view name) {
    refuseUnknown("in-memory toolkit", form, what, name);
}

// The window built for the form, and one of its boxes; anything else stops the run.
template <typename Windows>
auto& HeadlessToolkit::boxIn(Windows& windows, const Form& form, std::string_view box) {
    const auto window = windows.find(&form);
    if (window == windows.end()) {
        refuse(form, "no window built for", "this form");
    }
    const auto found = window->second.boxes.find(box);
    if (found == window->second.boxes.end()) {
        refuse(form, "no text box", box);
    }
    return found->second;
}

HeadlessToolkit::HeadlessToolkit(std::string decimalSeparator)
    : m_decimalSeparator(std::move(decimalSeparator)) {}

void HeadlessToolkit::show(Form& form) {
    if (m_ended) {
        return;
    }
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

void HeadlessToolkit::hide(Form& form) {
    const auto window = m_windows.find(&form);
    if (window == m_windows.end()) {
        refuse(form, "no window built for", "this form");
    }
    window->second.visible = false;
}

std::string HeadlessToolkit::readBox(const Form& form, std::string_view box) const {
    return boxIn(m_windows, form, box);
}

void HeadlessToolkit::writeBox(Form& form, std::string_view box, std::string_view text) {
    std::string& current = boxIn(m_windows, form, box);
    if (m_ended || current == text) {
        return;
    }
    current = std::string(text);
    form.change(box);
}

void HeadlessToolkit::focusBox(Form& form, std::string_view box) {
    boxIn(m_windows, form, box);
    if (!m_ended) {
        m_windows[&form].focusedBox = std::string(box);
    }
}

std::string HeadlessToolkit::focusedBox(const Form& form) const {
    const auto window = m_windows.find(&form);
    return window != m_windows.end() ? window->second.focusedBox : std::string();
}

void HeadlessToolkit::writeLabel(Form& form, std::string_view label, std::string_view text) {
    const auto window = m_windows.find(&form);
    if (window == m_windows.end()) {
        refuse(form, "no window built for", "this form");
    }
    const ControlDescription* described = form.description().control(label);
    if (described == nullptr || described->kind != ControlKind::Label) {
        refuse(form, "no label", label);
    }
    if (!m_ended) {
        window->second.writtenLabels[std::string(label)] = std::string(text);
    }
}

void HeadlessToolkit::messageBox(std::string_view text) {
    const std::string message = translated(text);
    m_messages.push_back(message);
    if (m_messageListener) {
        m_messageListener(message);
    }
}

std::string HeadlessToolkit::readText(const Form& form, std::string_view control) const {
    const FormDescription& description = form.description();
    if (description.hasTextBox(control)) {
        return readBox(form, control);
    }
    const ControlDescription* described = description.control(control);
    if (!control.empty() && described == nullptr) {
        refuse(form, "no control", control);
    }
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
    if (!form.description().hasClickable(control)) {
        refuse(form, "no button or menu entry", control);
    }
    if (!m_ended) {
        form.click(control);
    }
}

void HeadlessToolkit::type(Form& form, std::string_view box, std::string_view characters) {
    for (std::string_view character : charactersOf(characters)) {
        writeBox(form, box, readBox(form, box) + std::string(character));
    }
}

void HeadlessToolkit::erase(Form& form, std::string_view box, unsigned count) {
    for (; count > 0; --count) {
        std::string text = readBox(form, box);
        if (text.empty()) {
            return;
        }
        text.resize(text.size() - charactersOf(text).back().size());
        writeBox(form, box, text);
    }
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
