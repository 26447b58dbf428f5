#include "QtToolkit.h"

#include "FormWindow.h"
#include "forms/Form.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QSignalBlocker>

namespace formules {

QtToolkit::QtToolkit() : Toolkit("Qt toolkit") {}

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

void QtToolkit::showWindow(Form& form) {
    auto& window = m_windows[&form];
    if (!window) {
        window.reset(new FormWindow(form, *this, language()));
    }
    window->show();
    window->raise();
    window->activateWindow();
}

void QtToolkit::hideWindow(Form& form) {
    builtWindow(form).hide();
}

std::string QtToolkit::boxText(const Form& form, std::string_view box) const {
    return boxIn(form, box).text().toStdString();
}

// The box's textChanged is held back: the toolkit runs the change rule itself once the text is
// written.
void QtToolkit::setBoxText(Form& form, std::string_view box, std::string_view text) {
    QLineEdit& edit = boxIn(form, box);
    const QSignalBlocker quiet(edit);
    edit.setText(QString::fromUtf8(text.data(), qsizetype(text.size())));
}

void QtToolkit::focusWindowBox(Form& form, std::string_view box) {
    builtWindow(form).activateWindow();
    QLineEdit& edit = boxIn(form, box);
    edit.setFocus(Qt::OtherFocusReason);
    edit.selectAll();
}

void QtToolkit::focusControl(Form& form, std::string_view control) {
    builtWindow(form).control(control)->setFocus(Qt::OtherFocusReason);
}

// QLabel repaints only when the text differs, so emptying an empty label costs nothing; the
// text is plain, never read as markup.
void QtToolkit::setLabelText(Form& form, std::string_view label, std::string_view text) {
    builtWindow(form).label(label)->setText(QString::fromUtf8(text.data(), qsizetype(text.size())));
}

// The program passes no title: the box carries the program's name, in the user's language.
void QtToolkit::showMessage(std::string_view text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(translated(kMessageTitle)),
                    QString::fromUtf8(text.data(), qsizetype(text.size())), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void QtToolkit::closeEveryWindow() {
    for (auto& [form, window] : m_windows) {
        window->detach();
        window->closeQuietly();
    }
    QApplication::quit();
}

void QtToolkit::dropWindow(Form& form) {
    const auto found = m_windows.find(&form);
    found->second->detach();
    found->second->hide();
    m_windows.erase(found);
}

bool QtToolkit::isVisible(const Form& form) const {
    const FormWindow* w = window(form);
    return w != nullptr && w->isVisible();
}

// The default locale is the user's own unless the program sets another (tests pin one).
std::optional<UserLocale> QtToolkit::userLocale() const {
    const QLocale locale;
    return UserLocale{locale.name().toStdString(), locale.decimalPoint().toStdString()};
}

FormWindow* QtToolkit::window(const Form& form) const {
    const auto found = m_windows.find(&form);
    return found != m_windows.end() ? found->second.get() : nullptr;
}

FormWindow& QtToolkit::builtWindow(const Form& form) const {
    checkWindow(form);
    return *window(form);
}

QLineEdit& QtToolkit::boxIn(const Form& form, std::string_view box) const {
    checkBox(form, box);
    return *builtWindow(form).box(box);
}

} // namespace formules
