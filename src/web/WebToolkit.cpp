#include "WebToolkit.h"

#include "Page.h"
#include "PageWindow.h"
#include "forms/Form.h"
#include "shell/Windows.h"

namespace formules {

// A window already visible comes to the front with its focus where it was.
void WebToolkit::showWindow(Form& form) {
    const auto [found, created] = m_windows.try_emplace(&form);
    Window& window = found->second;
    if (created) {
        window.form = &form;
        window.name = std::string(nameOf(form.description().id));
        page::buildWindow(pageWindow(form.description(), window.name, language()));
    }
    page::showWindow(window.name);
    window.visible = true;
}

void WebToolkit::hideWindow(Form& form) {
    Window& window = m_windows.at(&form);
    page::hideWindow(window.name);
    window.visible = false;
}

std::string WebToolkit::boxText(const Form& form, std::string_view box) const {
    return page::boxText(nameOfWindow(form), box);
}

void WebToolkit::setBoxText(Form& form, std::string_view box, std::string_view text) {
    page::setBoxText(nameOfWindow(form), box, text);
}

void WebToolkit::focusWindowBox(Form& form, std::string_view box) {
    page::focusBox(nameOfWindow(form), box);
}

void WebToolkit::focusControl(Form& form, std::string_view control) {
    page::focusControl(nameOfWindow(form), control);
}

void WebToolkit::setLabelText(Form& form, std::string_view label, std::string_view text) {
    page::setLabelText(nameOfWindow(form), label, text);
}

// The handler goes on at once; the page shows its later changes once the box is closed.
void WebToolkit::showMessage(std::string_view text) {
    const std::string shown =
        page::messageBox(translated(kMessageTitle), text, translated(kOkCaption));
    if (m_messageListener) {
        m_messageListener(shown);
    }
}

void WebToolkit::closeEveryWindow() {
    for (auto& [form, window] : m_windows) {
        window.visible = false;
    }
    page::end(translated(kProgramEnded), translated(kStartAgain));
}

void WebToolkit::dropWindow(Form& form) {
    page::removeWindow(nameOfWindow(form));
    m_windows.erase(&form);
}

bool WebToolkit::isVisible(const Form& form) const {
    const auto found = m_windows.find(&form);
    return found != m_windows.end() && found->second.visible;
}

std::optional<UserLocale> WebToolkit::userLocale() const {
    if (!m_userLocale) {
        const std::string name = page::userLocale();
        m_userLocale = UserLocale{name, page::decimalSeparatorOf(name)};
    }
    return m_userLocale;
}

void WebToolkit::deliverEvents() {
    using Kind = page::UserEvent::Kind;
    while (const std::optional<page::UserEvent> event = page::nextEvent()) {
        Form* form = formNamed(event->form);
        if (form == nullptr) {
            continue;
        }
        switch (event->kind) {
        case Kind::Click:
            userClicks(*form, event->control);
            break;
        case Kind::Change:
            userEditsBox(*form, event->control);
            break;
        case Kind::Close:
            userClosesWindow(*form);
            break;
        }
    }
}

Form* WebToolkit::formNamed(std::string_view name) const {
    for (const auto& entry : m_windows) {
        if (entry.second.name == name) {
            return entry.second.form;
        }
    }
    return nullptr;
}

} // namespace formules
