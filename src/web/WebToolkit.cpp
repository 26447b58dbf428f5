#include "WebToolkit.h"

#include "Page.h"
#include "PageWindow.h"
#include "forms/Form.h"
#include "shell/Windows.h"

#include <utility>

namespace formules {

namespace {

[[noreturn]] void refuse(const Form& form, const char* what, std::string_view name) {
    refuseUnknown("web toolkit", form, what, name);
}

} // namespace

// A window shown again after it was hidden, or just built, takes the focus in its first control;
// one already visible comes to the front with its focus where it was.
void WebToolkit::show(Form& form) {
    if (m_ended) {
        return;
    }
    const auto [found, created] = m_windows.try_emplace(&form);
    Window& window = found->second;
    const FormDescription& description = form.description();
    if (created) {
        window.form = &form;
        window.name = std::string(nameOf(description.id));
        page::buildWindow(pageWindow(description, window.name, language()));
        for (const ControlDescription& control : description.controls) {
            if (control.kind == ControlKind::TextBox) {
                window.boxTexts[control.name] = page::boxText(window.name, control.name);
            }
        }
    }
    page::showWindow(window.name, !window.visible);
    window.visible = true;
}

void WebToolkit::hide(Form& form) {
    Window& window = windowOf(form);
    if (!m_ended) {
        page::hideWindow(window.name);
        window.visible = false;
    }
}

std::string WebToolkit::readBox(const Form& form, std::string_view box) const {
    checkBox(form, box);
    return page::boxText(windowOf(form).name, box);
}

void WebToolkit::writeBox(Form& form, std::string_view box, std::string_view text) {
    checkBox(form, box);
    Window& window = windowOf(form);
    if (m_ended || page::boxText(window.name, box) == text) {
        return;
    }
    page::setBoxText(window.name, box, text);
    window.boxTexts[std::string(box)] = std::string(text);
    form.change(box);
}

void WebToolkit::focusBox(Form& form, std::string_view box) {
    checkBox(form, box);
    if (!m_ended) {
        page::focusBox(windowOf(form).name, box);
    }
}

void WebToolkit::writeLabel(Form& form, std::string_view label, std::string_view text) {
    const Window& window = windowOf(form);
    const ControlDescription* described = form.description().control(label);
    if (described == nullptr || described->kind != ControlKind::Label) {
        refuse(form, "no label", label);
    }
    if (!m_ended) {
        page::setLabelText(window.name, label, text);
    }
}

// The handler goes on at once; the page shows its later changes once the box is closed.
void WebToolkit::messageBox(std::string_view text) {
    if (m_ended) {
        return;
    }
    const std::string shown =
        page::messageBox(translated(kMessageTitle), translated(text), translated(kOkCaption));
    if (m_messageListener) {
        m_messageListener(shown);
    }
}

void WebToolkit::endProgram() {
    if (m_ended) {
        return;
    }
    m_ended = true;
    for (auto& [form, window] : m_windows) {
        window.visible = false;
    }
    page::end(translated(kProgramEnded), translated(kStartAgain));
}

void WebToolkit::discard(Form& form) {
    const auto found = m_windows.find(&form);
    if (found != m_windows.end()) {
        page::removeWindow(found->second.name);
        m_windows.erase(found);
    }
}

bool WebToolkit::isVisible(const Form& form) const {
    const auto found = m_windows.find(&form);
    return found != m_windows.end() && found->second.visible;
}

std::string WebToolkit::decimalSeparator() const {
    if (!m_decimalSeparator) {
        m_decimalSeparator = page::decimalSeparatorOf(language());
    }
    return *m_decimalSeparator;
}

void WebToolkit::deliverEvents() {
    for (std::string event = page::nextEvent(); !event.empty(); event = page::nextEvent()) {
        const std::size_t first = event.find('\t');
        const std::size_t second = event.find('\t', first + 1);
        if (second == std::string::npos) {
            continue;
        }
        Form* form = formNamed(std::string_view(event).substr(first + 1, second - first - 1));
        if (form != nullptr && !m_ended) {
            deliver(std::string_view(event).substr(0, first), *form,
                    std::string_view(event).substr(second + 1));
        }
    }
}

// A click reaches only a button or menu entry the description has; a change runs the box's
// change rule only when the text really changed.
void WebToolkit::deliver(std::string_view kind, Form& form, std::string_view control) {
    if (kind == "click" && form.description().hasClickable(control)) {
        form.click(control);
    } else if (kind == "change" && form.description().hasTextBox(control)) {
        std::string& last = windowOf(form).boxTexts[std::string(control)];
        std::string text = page::boxText(windowOf(form).name, control);
        if (text != last) {
            last = std::move(text);
            form.change(control);
        }
    } else if (kind == "close") {
        form.closedFromTitleBar();
    }
}

WebToolkit::Window& WebToolkit::windowOf(const Form& form) {
    return const_cast<Window&>(std::as_const(*this).windowOf(form));
}

const WebToolkit::Window& WebToolkit::windowOf(const Form& form) const {
    const auto found = m_windows.find(&form);
    if (found == m_windows.end()) {
        refuse(form, "no window built for", "this form");
    }
    return found->second;
}

Form* WebToolkit::formNamed(std::string_view name) const {
    for (const auto& entry : m_windows) {
        if (entry.second.name == name) {
            return entry.second.form;
        }
    }
    return nullptr;
}

void WebToolkit::checkBox(const Form& form, std::string_view box) const {
    if (!form.description().hasTextBox(box)) {
        refuse(form, "no text box", box);
    }
}

} // namespace formules
