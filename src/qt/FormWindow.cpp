#include "FormWindow.h"

#include "Fonts.h"
#include "forms/Form.h"
#include "forms/Toolkit.h"
#include "shell/Windows.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <limits>
#include <vector>

namespace formules {

namespace {

constexpr double kFormUnitsPerInch = 1440.0;

QString toQt(const std::string& text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Sets a colour role from the description; system colours come from the application palette.
void applyColour(QWidget* widget, QPalette::ColorRole role, const Colour& colour) {
    QColor value;
    switch (colour.source) {
    case Colour::Source::Default:
        return;
    case Colour::Source::Rgb:
        value = QColor(colour.red, colour.green, colour.blue);
        break;
    case Colour::Source::SystemWindow:
        value = QGuiApplication::palette().color(QPalette::Base);
        break;
    case Colour::Source::SystemWindowText:
        value = QGuiApplication::palette().color(QPalette::Text);
        break;
    }
    QPalette palette = widget->palette();
    palette.setColor(role, value);
    widget->setPalette(palette);
}

void applyBackground(QWidget* widget, ControlKind kind, const Colour& colour) {
    if (colour.isDefault()) {
        return;
    }
    switch (kind) {
    case ControlKind::Button:
        applyColour(widget, QPalette::Button, colour);
        break;
    case ControlKind::TextBox:
        applyColour(widget, QPalette::Base, colour);
        break;
    case ControlKind::Label:
    case ControlKind::PictureBox:
        applyColour(widget, QPalette::Window, colour);
        widget->setAutoFillBackground(true);
        break;
    }
}

// The caption with an ampersand before its access key, which underlines the key as the style
// draws mnemonics and makes Alt+key choose the control. A translation that marks its own key
// with an ampersand keeps it; one that lacks the described key letter has no access key.
QString withAccessKey(QString caption, char key) {
    if (caption.contains(QLatin1Char('&'))) {
        return caption;
    }
    const auto at = key != '\0' ? caption.indexOf(QLatin1Char(key), 0, Qt::CaseInsensitive) : -1;
    if (at >= 0) {
        caption.insert(at, QLatin1Char('&'));
    }
    return caption;
}

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

void applyForeground(QWidget* widget, ControlKind kind, const Colour& colour) {
    switch (kind) {
    case ControlKind::Button:
        applyColour(widget, QPalette::ButtonText, colour);
        break;
    case ControlKind::TextBox:
        applyColour(widget, QPalette::Text, colour);
        break;
    case ControlKind::Label:
    case ControlKind::PictureBox:
        applyColour(widget, QPalette::WindowText, colour);
        break;
    }
}

} // namespace

FormWindow::FormWindow(Form& form) : m_form(&form) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen != nullptr ? screen->logicalDotsPerInch() : 96.0;
    m_pixelsPerUnit = dpi / kFormUnitsPerInch;
    setObjectName(toQt(std::string(nameOf(form.description().id))));
    build(form.description());
}

// A text without translation shows as it is written, in French.
QString FormWindow::shown(const std::string& text) const {
    if (text.empty()) {
        return QString();
    }
    return QCoreApplication::translate(kTextContext, text.c_str());
}

QLineEdit* FormWindow::box(std::string_view name) const {
    const auto found = m_controls.find(name);
    return found != m_controls.end() ? qobject_cast<QLineEdit*>(found->second) : nullptr;
}

QLabel* FormWindow::label(std::string_view name) const {
    const auto found = m_controls.find(name);
    return found != m_controls.end() ? qobject_cast<QLabel*>(found->second) : nullptr;
}

void FormWindow::closeQuietly() {
    m_closingQuietly = true;
    close();
}

void FormWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (!m_closingQuietly) {
        deliver([](Form& form) { form.closedFromTitleBar(); });
    }
}

void FormWindow::build(const FormDescription& description) {
    auto pixels = [this](int units) { return int(units * m_pixelsPerUnit + 0.5); };
    setWindowTitle(shown(description.caption));
    auto* client = new QWidget(this);
    client->setFixedSize(pixels(description.clientArea.width),
                         pixels(description.clientArea.height));
    applyColour(client, QPalette::Window, description.background);
    applyColour(client, QPalette::WindowText, description.foreground);
    client->setAutoFillBackground(true);
    if (description.font) {
        client->setFont(toQt(*description.font));
    }
    setCentralWidget(client);
    for (const ControlDescription& control : description.controls) {
        const auto panel = m_controls.find(control.parent);
        QWidget* parent = panel != m_controls.end() ? panel->second : client;
        m_controls.emplace(control.name, createControl(control, parent));
    }
    buildMenu(description);
    setTabOrder(description);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    // The described position is that of the client area, below the menu bar: the window starts
    // higher by the menu bar's height in the current style, font and scale, and the frame is
    // left to the window manager.
    if (description.placed) {
        layout()->activate();
        const int menuBarHeight = client->geometry().top();
        const QSize size = sizeHint();
        setGeometry(pixels(description.clientArea.left),
                    pixels(description.clientArea.top) - menuBarHeight, size.width(),
                    size.height());
    }
}

QWidget* FormWindow::createControl(const ControlDescription& control, QWidget* parent) {
    QWidget* widget = nullptr;
    const QString caption = shown(control.caption);
    const std::string name = control.name;
    switch (control.kind) {
    case ControlKind::Button: {
        auto* button = new QPushButton(withAccessKey(caption, control.accessKey), parent);
        // Return and Enter press a focused button, as Space does; outside dialogs Qt leaves
        // that to buttons that are "auto default".
        button->setAutoDefault(true);
        if (control.clickedByEscape) {
            button->setShortcut(QKeySequence(Qt::Key_Escape));
        }
        connect(button, &QPushButton::clicked, this, [this, name] { deliverClick(name); });
        widget = button;
        break;
    }
    case ControlKind::TextBox: {
        auto* edit = new EntryBox(parent);
        edit->setMaxLength(std::numeric_limits<int>::max());
        edit->setText(caption);
        edit->setCursorPosition(0);
        m_boxTexts[name] = caption;
        connect(edit, &QLineEdit::textChanged, this,
                [this, name](const QString& text) { deliverChange(name, text); });
        if (!control.enterClicks.empty()) {
            const std::string button = control.enterClicks;
            connect(edit, &QLineEdit::returnPressed, this,
                    [this, button] { deliverClick(button); });
        }
        widget = edit;
        break;
    }
    case ControlKind::Label: {
        auto* text = new QLabel(caption, parent);
        text->setTextFormat(Qt::PlainText);
        text->setWordWrap(true);
        text->setAlignment(Qt::AlignTop | (control.alignment == Alignment::Centre ? Qt::AlignHCenter
                                                                                  : Qt::AlignLeft));
        widget = text;
        break;
    }
    case ControlKind::PictureBox:
        widget = new QFrame(parent);
        break;
    }
    widget->setObjectName(toQt(control.name));
    if (!control.accessibleName.empty()) {
        widget->setAccessibleName(shown(control.accessibleName));
    }
    if (!control.hint.empty()) {
        widget->setToolTip(shown(control.hint));
        widget->setAccessibleDescription(shown(control.hint));
    }
    if (control.font) {
        widget->setFont(toQt(*control.font));
    }
    applyBackground(widget, control.kind, control.background);
    applyForeground(widget, control.kind, control.foreground);
    auto pixels = [this](int units) { return int(units * m_pixelsPerUnit + 0.5); };
    widget->setGeometry(pixels(control.rect.left), pixels(control.rect.top),
                        pixels(control.rect.width), pixels(control.rect.height));
    if (control.tabIndex < 0 || control.kind == ControlKind::Label ||
        control.kind == ControlKind::PictureBox) {
        widget->setFocusPolicy(Qt::NoFocus);
    }
    return widget;
}

// Top-level entries only, side by side; a blank caption stands as an empty entry that does
// nothing.
void FormWindow::buildMenu(const FormDescription& description) {
    if (description.menu.empty()) {
        return;
    }
    for (const MenuEntryDescription& entry : description.menu) {
        const QString caption =
            entry.caption.empty() ? QStringLiteral("   ") : shown(entry.caption);
        QAction* action = menuBar()->addAction(withAccessKey(caption, entry.accessKey));
        action->setObjectName(toQt(entry.name));
        const std::string name = entry.name;
        connect(action, &QAction::triggered, this, [this, name] { deliverClick(name); });
    }
}

void FormWindow::setTabOrder(const FormDescription& description) {
    std::vector<const ControlDescription*> focusable;
    for (const ControlDescription& control : description.controls) {
        if (m_controls.at(control.name)->focusPolicy() != Qt::NoFocus) {
            focusable.push_back(&control);
        }
    }
    std::sort(focusable.begin(), focusable.end(),
              [](auto* a, auto* b) { return a->tabIndex < b->tabIndex; });
    for (std::size_t i = 1; i < focusable.size(); ++i) {
        QWidget::setTabOrder(m_controls.at(focusable[i - 1]->name),
                             m_controls.at(focusable[i]->name));
    }
    if (!focusable.empty()) {
        m_firstInTabOrder = m_controls.at(focusable.front()->name);
    }
    focusFirstControl();
}

void FormWindow::focusFirstControl() {
    if (m_firstInTabOrder != nullptr) {
        m_firstInTabOrder->setFocus();
    }
}

template <typename Handler> void FormWindow::deliver(Handler handler) {
    if (m_form != nullptr) {
        ++m_delivering;
        handler(*m_form);
        --m_delivering;
    }
}

void FormWindow::deliverClick(const std::string& control) {
    deliver([&control](Form& form) { form.click(control); });
}

// QLineEdit reports a change whenever its text was edited, even when the edit put back the same
// text (a selection pasted or typed over with what it held); the box's change rule runs only
// when the text really changed.
void FormWindow::deliverChange(const std::string& box, const QString& text) {
    QString& last = m_boxTexts[box];
    if (text == last) {
        return;
    }
    last = text;
    deliver([&box](Form& form) { form.change(box); });
}

} // namespace formules
