#include "FormWindow.h"

#include "Colours.h"
#include "Controls.h"
#include "Fonts.h"
#include "forms/Form.h"
#include "forms/FormUnits.h"
#include "shell/Windows.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

#include <utility>
#include <vector>

namespace formules {

FormWindow::FormWindow(Form& form, std::string language)
    : m_form(&form), m_language(std::move(language)) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    m_dotsPerInch = screen != nullptr ? screen->logicalDotsPerInch() : kCssPixelsPerInch;
    const std::string_view name = nameOf(form.description().id);
    setObjectName(QString::fromUtf8(name.data(), qsizetype(name.size())));
    build(form.description());
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

// The client area is drawn in the classic light scheme on every desktop; the menu bar, outside
// it, follows the desktop.
void FormWindow::build(const FormDescription& description) {
    setWindowTitle(shown(description.caption));
    auto* client = new QWidget(this);
    client->setPalette(classicLightPalette());
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
        QWidget* widget = createControl(control, parent, m_dotsPerInch, m_language);
        connectControl(control, widget);
        m_controls.emplace(control.name, widget);
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

// Buttons deliver their clicks, boxes their changes and the Return that presses their button.
void FormWindow::connectControl(const ControlDescription& control, QWidget* widget) {
    const std::string name = control.name;
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        connect(button, &QPushButton::clicked, this, [this, name] { deliverClick(name); });
    }
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        m_boxTexts[name] = edit->text();
        connect(edit, &QLineEdit::textChanged, this,
                [this, name](const QString& text) { deliverChange(name, text); });
        if (!control.enterClicks.empty()) {
            const std::string button = control.enterClicks;
            connect(edit, &QLineEdit::returnPressed, this,
                    [this, button] { deliverClick(button); });
        }
    }
}

int FormWindow::pixels(int units) const {
    return formUnitsToPixels(units, m_dotsPerInch);
}

QString FormWindow::shown(const std::string& text) const {
    return shownText(text, m_language);
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
        action->setObjectName(QString::fromStdString(entry.name));
        const std::string name = entry.name;
        connect(action, &QAction::triggered, this, [this, name] { deliverClick(name); });
    }
}

void FormWindow::setTabOrder(const FormDescription& description) {
    const std::vector<const ControlDescription*> focusable = tabOrder(description);
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
