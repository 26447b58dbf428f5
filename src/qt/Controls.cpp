#include "Controls.h"

#include "Colours.h"
#include "Fonts.h"
#include "forms/FormUnits.h"
#include "forms/Languages.h"

#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <limits>

namespace formules {

namespace {

// A text box that takes only what the keyboard types: a key pressed with Alt, Ctrl or Meta
// inserts no text (Alt+M would otherwise add an "m", read as milli), while the editing
// shortcuts such as Ctrl+C, Ctrl+V and Ctrl+A work as usual. AltGr, which Qt reports as a
// group switch, still types µ and the other characters of European keyboards.
class EntryBox final : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const auto commands = Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier;
        if ((event->modifiers() & commands) == 0 || event->text().isEmpty()) {
            QLineEdit::keyPressEvent(event);
            return;
        }
        QKeyEvent withoutText(event->type(), event->key(), event->modifiers(), QString(),
                              event->isAutoRepeat(), event->count());
        QLineEdit::keyPressEvent(&withoutText);
        event->setAccepted(withoutText.isAccepted());
    }
};

// Return and Enter press a focused button, as Space does; outside dialogs Qt leaves that to
// buttons that are "auto default".
QWidget* createButton(const ControlDescription& control, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(withAccessKey(caption, control.accessKey), parent);
    button->setAutoDefault(true);
    if (control.clickedByEscape) {
        button->setShortcut(QKeySequence(Qt::Key_Escape));
    }
    return button;
}

QWidget* createTextBox(const QString& text, QWidget* parent) {
    auto* edit = new EntryBox(parent);
    edit->setMaxLength(std::numeric_limits<int>::max());
    edit->setText(text);
    edit->setCursorPosition(0);
    return edit;
}

// A label's text is plain, never read as markup, and wraps inside its rectangle.
QWidget* createLabel(const ControlDescription& control, const QString& caption, QWidget* parent) {
    auto* text = new QLabel(caption, parent);
    text->setTextFormat(Qt::PlainText);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignTop |
                       (control.alignment == Alignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft));
    return text;
}

} // namespace

QString shownText(const std::string& text, const std::string& language) {
    return QString::fromStdString(translate(language, text));
}

QString withAccessKey(const QString& caption, char key) {
    return QString::fromStdString(markedWithAccessKey(caption.toStdString(), key));
}

QWidget* createControl(const ControlDescription& control, QWidget* parent, double dotsPerInch,
                       const std::string& language) {
    const QString caption = shownText(control.caption, language);
    QWidget* widget = nullptr;
    switch (control.kind) {
    case ControlKind::Button:
        widget = createButton(control, caption, parent);
        break;
    case ControlKind::TextBox:
        widget = createTextBox(caption, parent);
        break;
    case ControlKind::Label:
        widget = createLabel(control, caption, parent);
        break;
    case ControlKind::PictureBox:
        widget = new QFrame(parent);
        break;
    }
    widget->setObjectName(QString::fromStdString(control.name));
    widget->setAccessibleName(shownText(control.accessibleName, language));
    widget->setToolTip(shownText(control.hint, language));
    widget->setAccessibleDescription(shownText(control.hint, language));
    if (control.font) {
        widget->setFont(toQt(*control.font));
    }
    applyControlColours(widget, control);
    const FormRect& r = control.rect;
    widget->setGeometry(
        formUnitsToPixels(r.left, dotsPerInch), formUnitsToPixels(r.top, dotsPerInch),
        formUnitsToPixels(r.width, dotsPerInch), formUnitsToPixels(r.height, dotsPerInch));
    if (!takesFocus(control)) {
        widget->setFocusPolicy(Qt::NoFocus);
    }
    return widget;
}

} // namespace formules
