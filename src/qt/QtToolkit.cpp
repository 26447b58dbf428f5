#include "QtToolkit.h"

#include "FormWindow.h"
#include "forms/Form.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>

namespace formules {

QtToolkit::QtToolkit() = default;

// Windows still held here are detached first: their forms may already be gone.
QtToolkit::~QtToolkit() {
    for (auto& [form, window] : m_windows) {
        window->detach();
    }
}

// A window is deleted from inside one of its own events only when the handler of that event
// discards it: the widgets of the event are still on the stack then, so Qt deletes the window
// once control is back in the event loop.
void QtToolkit::WindowDeleter::operator()(FormWindow* window) const {
    if (window->isDelivering()) {
        window->deleteLater();
    } else {
        delete window;
    }
}

// A window shown again after it was hidden puts the focus back in its first box: the user
// starts over there, not on the button that hid it.
void QtToolkit::show(Form& form) {
    if (m_ended) {
        return;
    }
    auto& window = m_windows[&form];
    if (!window) {
        window.reset(new FormWindow(form, language()));
    }
    const bool shownAgain = window->isHidden();
    window->show();
    if (shownAgain) {
        window->focusFirstControl();
    }
    window->raise();
    window->activateWindow();
}

void QtToolkit::hide(Form& form) {
    builtWindow(form).hide();
}

std::string QtToolkit::readBox(const Form& form, std::string_view box) const {
    return boxIn(form, box).text().toStdString();
}

// QLineEdit reports the change through textChanged, connected directly, so the change handler
// runs inside setText; an identical text is not written at all.
void QtToolkit::writeBox(Form& form, std::string_view box, std::string_view text) {
    QLineEdit& edit = boxIn(form, box);
    if (m_ended) {
        return;
    }
    const QString newText = QString::fromUtf8(text.data(), qsizetype(text.size()));
    if (edit.text() != newText) {
        edit.setText(newText);
    }
}

void QtToolkit::focusBox(Form& form, std::string_view box) {
    QLineEdit& edit = boxIn(form, box);
    if (!m_ended) {
        builtWindow(form).activateWindow();
        edit.setFocus(Qt::OtherFocusReason);
        edit.selectAll();
    }
}

// QLabel repaints only when the text differs, so emptying an empty label costs nothing; the
// text is plain, never read as markup.
void QtToolkit::writeLabel(Form& form, std::string_view label, std::string_view text) {
    QLabel* shown = builtWindow(form).label(label);
    if (shown == nullptr) {
        refuseUnknown("Qt toolkit", form, "no label", label);
    }
    if (!m_ended) {
        shown->setText(QString::fromUtf8(text.data(), qsizetype(text.size())));
    }
}

// The program passes no title: the box carries the program's name. Both are shown in the
// user's language.
void QtToolkit::messageBox(std::string_view text) {
    if (m_ended) {
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(translated(kMessageTitle)),
                    QString::fromStdString(translated(text)), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void QtToolkit::endProgram() {
    m_ended = true;
    for (auto& [form, window] : m_windows) {
        window->detach();
        window->closeQuietly();
    }
    QApplication::quit();
}

void QtToolkit::discard(Form& form) {
    const auto found = m_windows.find(&form);
    if (found == m_windows.end()) {
        return;
    }
    found->second->detach();
    found->second->hide();
    m_windows.erase(found);
}

bool QtToolkit::isVisible(const Form& form) const {
    const FormWindow* w = window(form);
    return w != nullptr && w->isVisible();
}

// The default locale is the user's own unless the program sets another (tests pin one).
std::string QtToolkit::decimalSeparator() const {
    return m_decimalSeparator ? *m_decimalSeparator : QLocale().decimalPoint().toStdString();
}

FormWindow* QtToolkit::window(const Form& form) const {
    const auto found = m_windows.find(&form);
    return found != m_windows.end() ? found->second.get() : nullptr;
}

// The window built for the form, and one of its boxes; anything else stops the run, as in the
// in-memory toolkit.
FormWindow& QtToolkit::builtWindow(const Form& form) const {
    FormWindow* built = window(form);
    if (built == nullptr) {
        refuseUnknown("Qt toolkit", form, "no window built for", "this form");
    }
    return *built;
}

QLineEdit& QtToolkit::boxIn(const Form& form, std::string_view box) const {
    QLineEdit* edit = builtWindow(form).box(box);
    if (edit == nullptr) {
        refuseUnknown("Qt toolkit", form, "no text box", box);
    }
    return *edit;
}

} // namespace formules
