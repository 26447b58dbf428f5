#include "Toolkit.h"

#include "Form.h"

#include <cstdio>
#include <cstdlib>

namespace formules {

void Toolkit::show(Form& form) {
    if (m_ended) {
        return;
    }
    const bool building = !exists(form);
    const bool shownAnew = building || !isVisible(form);
    showWindow(form);
    if (building) {
        auto& seen = m_seenTexts[&form];
        seen.clear();
        for (const ControlDescription& control : form.description().controls) {
            if (control.kind == ControlKind::TextBox) {
                seen[control.name] = boxText(form, control.name);
            }
        }
    }
    const std::vector<const ControlDescription*> order = tabOrder(form.description());
    if (shownAnew && !order.empty()) {
        focusControl(form, order.front()->name);
    }
}

std::string Toolkit::decimalSeparator() const {
    return m_decimalSeparator.empty() ? resultsSeparator(m_language, userLocale())
                                      : m_decimalSeparator;
}

void Toolkit::hide(Form& form) {
    checkWindow(form);
    if (!m_ended) {
        hideWindow(form);
    }
}

std::string Toolkit::readBox(const Form& form, std::string_view box) const {
    checkBox(form, box);
    return boxText(form, box);
}

void Toolkit::writeBox(Form& form, std::string_view box, std::string_view text) {
    checkBox(form, box);
    if (m_ended || boxText(form, box) == text) {
        return;
    }
    setBoxText(form, box, text);
    runChangeRule(form, box, std::string(text));
}

void Toolkit::focusBox(Form& form, std::string_view box) {
    checkBox(form, box);
    if (!m_ended) {
        focusWindowBox(form, box);
    }
}

void Toolkit::writeLabel(Form& form, std::string_view label, std::string_view text) {
    checkLabel(form, label);
    if (!m_ended) {
        setLabelText(form, label, text);
    }
}

void Toolkit::messageBox(std::string_view text) {
    if (!m_ended) {
        showMessage(translated(text));
    }
}

void Toolkit::endProgram() {
    if (!m_ended) {
        m_ended = true;
        closeEveryWindow();
    }
}

void Toolkit::discard(Form& form) {
    m_seenTexts.erase(&form);
    if (exists(form)) {
        dropWindow(form);
    }
}

void Toolkit::userClicks(Form& form, std::string_view control) {
    if (!m_ended && exists(form) && form.description().hasClickable(control)) {
        form.click(control);
    }
}

void Toolkit::userEditsBox(Form& form, std::string_view box) {
    if (!m_ended && exists(form) && form.description().hasTextBox(box)) {
        runChangeRule(form, box, boxText(form, box));
    }
}

void Toolkit::userClosesWindow(Form& form) {
    if (!m_ended) {
        form.closedFromTitleBar();
    }
}

// A box's change rule runs when its text differs from the one it last saw: an edit that puts
// back the same text (a selection typed over with what it held) runs nothing.
void Toolkit::runChangeRule(Form& form, std::string_view box, std::string text) {
    std::string& seen = m_seenTexts[&form][std::string(box)];
    if (text == seen) {
        return;
    }
    seen = std::move(text);
    form.change(box);
}

void Toolkit::checkWindow(const Form& form) const {
    if (!exists(form)) {
        refuse(form, "no window built for", "this form");
    }
}

void Toolkit::checkBox(const Form& form, std::string_view box) const {
    checkWindow(form);
    if (!form.description().hasTextBox(box)) {
        refuse(form, "no text box", box);
    }
}

void Toolkit::checkLabel(const Form& form, std::string_view label) const {
    checkWindow(form);
    const ControlDescription* described = form.description().control(label);
    if (described == nullptr || described->kind != ControlKind::Label) {
        refuse(form, "no label", label);
    }
}

void Toolkit::checkClickable(const Form& form, std::string_view control) const {
    checkWindow(form);
    if (!form.description().hasClickable(control)) {
        refuse(form, "no button or menu entry", control);
    }
}

void Toolkit::checkControl(const Form& form, std::string_view control) const {
    checkWindow(form);
    const FormDescription& description = form.description();
    if (!control.empty() && description.control(control) == nullptr &&
        !description.hasClickable(control)) {
        refuse(form, "no control", control);
    }
}

void Toolkit::refuse(const Form& form, const char* what, std::string_view name) const {
    const std::string& caption = form.description().caption;
    std::fprintf(stderr, "%s: %s %.*s in the window \"%s\"\n", m_name, what, int(name.size()),
                 name.data(), caption.c_str());
    std::abort();
}

} // namespace formules
