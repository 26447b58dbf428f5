#include "FormWindow.h"

#include "Colours.h"
#include "Controls.h"
#include "Fonts.h"
#include "forms/Form.h"
#include "forms/FormUnits.h"
#include "forms/Toolkit.h"
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

FormWindow::FormWindow(Form& form, Toolkit& toolkit, std::string language)
    : m_form(&form), m_toolkit(toolkit), m_language(std::move(language)) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    m_dotsPerInch = screen != nullptr ? screen->logicalDotsPerInch() : kCssPixelsPerInch;
    const std::string_view name = nameOf(form.description().id);
    setObjectName(QString::fromUtf8(name.data(), qsizetype(name.size())));
    build(form.description());
}

QLineEdit* FormWindow::box(std::string_view name) const {
    return qobject_cast<QLineEdit*>(control(name));
}

QLabel* FormWindow::label(std::string_view name) const {
    return qobject_cast<QLabel*>(control(name));
}

QWidget* FormWindow::control(std::string_view name) const {
    const auto found = m_controls.find(name);
    return found != m_controls.end() ? found->second : nullptr;
}

void FormWindow::closeQuietly() {
    m_closingQuietly = true;
    close();
}

void FormWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (!m_closingQuietly) {
        deliver([this](Form& form) { m_toolkit.userClosesWindow(form); });
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

// Buttons deliver their clicks, boxes their edits and the Return that presses their button.
// QLineEdit reports an edit even when it put back the same text (a selection typed over with
// what it held); the toolkit's change rule tells.
void FormWindow::connectControl(const ControlDescription& control, QWidget* widget) {
    const std::string name = control.name;
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        connect(button, &QPushButton::clicked, this, [this, name] { deliverClick(name); });
    }
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        connect(edit, &QLineEdit::textChanged, this, [this, name] {
            deliver([this, &name](Form& form) { m_toolkit.userEditsBox(form, name); });
        });
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
}

template <typename Handler> void FormWindow::deliver(Handler handler) {
    if (m_form != nullptr) {
        ++m_delivering;
        handler(*m_form);
        --m_delivering;
    }
}

void FormWindow::deliverClick(const std::string& control) {
    deliver([this, &control](Form& form) { m_toolkit.userClicks(form, control); });
}

} // namespace formules
