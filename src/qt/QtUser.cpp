#include "QtUser.h"

#include "FormWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>

namespace formules {

namespace {

QString toQt(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Runs what the user's action left for the event loop, as a user's next action would find it.
void settle() {
    QCoreApplication::processEvents();
}

// What a key press types into a line edit: a printable character, or a surrogate pair.
bool isTypedByAKey(const QString& character) {
    const QChar first = character.at(0);
    return first.isPrint() || (first.isHighSurrogate() && character.size() > 1);
}

} // namespace

QtUser::QtUser() {
    qApp->installEventFilter(this);
}

QtUser::~QtUser() {
    qApp->removeEventFilter(this);
}

QLineEdit* QtUser::focusedBox(Form& form, std::string_view box) {
    m_toolkit.checkBox(form, box);
    m_toolkit.builtWindow(form).activateWindow();
    QLineEdit& edit = m_toolkit.boxIn(form, box);
    edit.setFocus(Qt::OtherFocusReason);
    QTest::keyClick(&edit, Qt::Key_End);
    return &edit;
}

void QtUser::type(Form& form, std::string_view box, std::string_view text) {
    QLineEdit* edit = focusedBox(form, box);
    const QString characters = toQt(text);
    for (int i = 0; i < characters.size(); ++i) {
        const int length = characters.at(i).isHighSurrogate() && i + 1 < characters.size() ? 2 : 1;
        const QString character = characters.mid(i, length);
        i += length - 1;
        if (isTypedByAKey(character)) {
            const char ascii =
                character.at(0).unicode() < 128 ? char(character.at(0).unicode()) : 0;
            const Qt::Key key = ascii != 0 ? QTest::asciiToKey(ascii) : Qt::Key_unknown;
            QTest::sendKeyEvent(QTest::Click, edit, key, character, Qt::NoModifier);
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(character);
            QCoreApplication::sendEvent(edit, &commit);
        }
    }
    settle();
}

void QtUser::erase(Form& form, std::string_view box, unsigned count) {
    QLineEdit* edit = focusedBox(form, box);
    for (unsigned i = 0; i < count && !edit->text().isEmpty(); ++i) {
        QTest::keyClick(edit, Qt::Key_Backspace);
    }
    settle();
}

void QtUser::paste(Form& form, std::string_view box, std::string_view text) {
    QLineEdit* edit = focusedBox(form, box);
    QGuiApplication::clipboard()->setText(toQt(text));
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    settle();
}

// A button is clicked at its centre; a menu entry where the menu bar shows it.
void QtUser::click(Form& form, std::string_view control) {
    m_toolkit.checkClickable(form, control);
    FormWindow& window = m_toolkit.builtWindow(form);
    const QString name = toQt(control);
    if (auto* button = window.findChild<QPushButton*>(name)) {
        QTest::mouseClick(button, Qt::LeftButton);
    } else if (auto* action = window.findChild<QAction*>(name)) {
        QMenuBar* bar = window.menuBar();
        if (bar->isNativeMenuBar()) {
            action->trigger();
        } else {
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(action).center());
        }
    }
    settle();
}

void QtUser::close(Form& form) {
    m_toolkit.builtWindow(form).close();
    settle();
}

// The widget's own text, as it shows; Qt's rule for captions removes the access keys' marks.
std::string QtUser::read(Form& form, std::string_view control) {
    m_toolkit.checkControl(form, control);
    FormWindow& window = m_toolkit.builtWindow(form);
    QString text;
    if (control.empty()) {
        text = window.windowTitle();
    } else if (auto* edit = window.findChild<QLineEdit*>(toQt(control))) {
        text = edit->text();
    } else if (auto* label = window.findChild<QLabel*>(toQt(control))) {
        text = label->text();
    } else if (auto* button = window.findChild<QAbstractButton*>(toQt(control))) {
        text = QString::fromStdString(withoutAccessKeys(button->text().toStdString()));
    }
    return text.toStdString();
}

void QtUser::setMessageListener(MessageListener listener) {
    m_messageListener = std::move(listener);
}

// A message box is read and closed from the event loop it runs, once it shows.
bool QtUser::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QMessageBox*>(watched);
    if (box != nullptr && event->type() == QEvent::Show) {
        QTimer::singleShot(0, box, [this, box] {
            if (m_messageListener) {
                m_messageListener(box->text().toStdString());
            }
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        });
    }
    return false;
}

} // namespace formules
