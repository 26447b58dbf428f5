// The real windows on Qt, driven with key clicks and mouse clicks under the offscreen platform.
#include "calculators/Form4.h"
#include "qt/FormWindow.h"
#include "qt/QtToolkit.h"
#include "shell/Application.h"
#include "shell/Windows.h"
#include "web/PageWindow.h"

#include <QAction>
#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace formules;

class QtWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void typingReachesTheSharedQuantities();
    void rejectedEntryShowsAModalMessageThenClears();
    void textNotUnderstoodIsNamedAndKeptForMending();
    void buttonsAndMenuShowTheirWindows_data();
    void buttonsAndMenuShowTheirWindows();
    void menuAndOkHideTheirWindows();
    void blankMenuEntriesDoNothing();
    void closingAWindowDoesWhatItsMenuOrOkDoes();
    void closingTheMainWindowEndsTheProgram();
    void quitterEndsTheEventLoop();
    void pageDescriptionHasWhatThePageReads_data();
    void pageDescriptionHasWhatThePageReads();
    void clientAreasMatchTheFormUnits_data();
    void clientAreasMatchTheFormUnits();
    void coloursAreTheDescribedOnesOnAnyDesktop_data();
    void coloursAreTheDescribedOnesOnAnyDesktop();

private:
    FormWindow* window(FormId id);
    QLineEdit* box(FormId id, const char* name);
    // A mouse click on the window's button; false, for the caller to check, when it has none.
    [[nodiscard]] bool click(FormId id, const char* control);
    // Presses OK on the next message box once it is open, and records its text.
    void answerNextMessageBox();

    std::unique_ptr<QtToolkit> m_toolkit;
    std::unique_ptr<Application> m_application;
    QString m_lastMessage;
    bool m_messageWasModal = false;
    QString m_messageTitle;
};

void QtWindowsTest::init() {
    QLocale::setDefault(QLocale::c());
    m_toolkit = std::make_unique<QtToolkit>();
    m_toolkit->setDecimalSeparator(".");
    m_application = std::make_unique<Application>(*m_toolkit);
    m_application->start();
    m_lastMessage.clear();
}

void QtWindowsTest::cleanup() {
    m_application.reset();
    m_toolkit.reset();
    QApplication::setPalette(QPalette());
}

FormWindow* QtWindowsTest::window(FormId id) {
    Form* form = m_application->find(id);
    return form != nullptr ? m_toolkit->window(*form) : nullptr;
}

QLineEdit* QtWindowsTest::box(FormId id, const char* name) {
    return window(id)->findChild<QLineEdit*>(name);
}

bool QtWindowsTest::click(FormId id, const char* control) {
    auto* button = window(id)->findChild<QPushButton*>(control);
    if (button == nullptr) {
        return false;
    }
    QTest::mouseClick(button, Qt::LeftButton);
    return true;
}

void QtWindowsTest::answerNextMessageBox() {
    QTimer::singleShot(0, this, [this] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        m_lastMessage = box->text();
        m_messageTitle = box->windowTitle();
        m_messageWasModal = box->isModal();
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
}

void QtWindowsTest::typingReachesTheSharedQuantities() {
    m_application->show(FormId::Form4);
    QTest::keyClicks(box(FormId::Form4, "Text1"), "100");
    QTest::keyClicks(box(FormId::Form4, "Text3"), "10");
    QCOMPARE(m_application->quantities().capacite, EntryValue::text("100"));
    QCOMPARE(m_application->quantities().inductance, EntryValue::text("10"));
    QTest::keyClick(box(FormId::Form4, "Text3"), Qt::Key_Backspace);
    QCOMPARE(m_application->quantities().inductance, EntryValue::text("1"));
    QTest::keyClicks(box(FormId::Form4, "Text3"), "0");
    QVERIFY(click(FormId::Form4, "Command1"));
    QCOMPARE(box(FormId::Form4, "Text2")->text(), QString("5032.921"));
    QCOMPARE(m_application->quantities().frequence, EntryValue::text("5032.921"));
    QCOMPARE(m_application->quantities().capacite, EntryValue::number(100));
}

void QtWindowsTest::rejectedEntryShowsAModalMessageThenClears() {
    m_application->show(FormId::Form4);
    QTest::keyClicks(box(FormId::Form4, "Text1"), "0");
    QTest::keyClicks(box(FormId::Form4, "Text3"), "10");
    answerNextMessageBox();
    QVERIFY(click(FormId::Form4, "Command1"));
    QCOMPARE(m_lastMessage, QString("Erreur - Valeurs hors limites - Recommencez"));
    QCOMPARE(m_messageTitle, QString("Formules"));
    QVERIFY(m_messageWasModal);
    for (const char* name : {"Text1", "Text2", "Text3"}) {
        QVERIFY2(box(FormId::Form4, name)->text().isEmpty(), name);
    }
    QCOMPARE(m_application->quantities().capacite, EntryValue::emptyText());
}

// A code letter of another box: the message names the box, which keeps its text, selected, with
// the focus, so that typing replaces it; the other box keeps its text too.
void QtWindowsTest::textNotUnderstoodIsNamedAndKeptForMending() {
    m_application->show(FormId::Form4);
    QTest::keyClicks(box(FormId::Form4, "Text1"), "100");
    QTest::keyClicks(box(FormId::Form4, "Text3"), "4k7");
    answerNextMessageBox();
    QVERIFY(click(FormId::Form4, "Command1"));
    QCOMPARE(m_lastMessage, QString("Valeur non comprise : « 4k7 » (inductance)"));
    QLineEdit* inductance = box(FormId::Form4, "Text3");
    QCOMPARE(inductance->text(), QString("4k7"));
    QCOMPARE(box(FormId::Form4, "Text1")->text(), QString("100"));
    QCOMPARE(window(FormId::Form4)->focusWidget(), inductance);
    QCOMPARE(inductance->selectedText(), QString("4k7"));
    QCOMPARE(m_application->quantities().inductance, EntryValue::text("4k7"));
    QTest::keyClicks(inductance, "4u7");
    QVERIFY(click(FormId::Form4, "Command1"));
    QCOMPARE(box(FormId::Form4, "Text2")->text(), QString("7341.27"));
}

void QtWindowsTest::buttonsAndMenuShowTheirWindows_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("target");
    for (const WindowRow& row : windows()) {
        if (!row.opener.empty()) {
            QTest::newRow(std::string(row.name).c_str())
                << QString::fromUtf8(row.opener.data(), qsizetype(row.opener.size()))
                << int(row.id);
        }
    }
}

// Each window opens with the caption of its description.
void QtWindowsTest::buttonsAndMenuShowTheirWindows() {
    QFETCH(QString, control);
    QFETCH(int, target);
    const auto id = static_cast<FormId>(target);
    FormWindow* main = window(FormId::Form1);
    if (auto* button = main->findChild<QPushButton*>(control)) {
        QTest::mouseClick(button, Qt::LeftButton);
    } else {
        auto* action = main->findChild<QAction*>(control);
        QVERIFY(action != nullptr);
        action->trigger();
    }
    QVERIFY(window(id) != nullptr);
    QVERIFY(window(id)->isVisible());
    QCOMPARE(window(id)->windowTitle().toStdString(),
             m_application->find(id)->description().caption);
    QVERIFY(main->isVisible());
}

void QtWindowsTest::menuAndOkHideTheirWindows() {
    m_application->show(FormId::Form2);
    QTest::keyClicks(box(FormId::Form2, "Text1"), "7000");
    QVERIFY(click(FormId::Form2, "Command2"));
    QVERIFY(!window(FormId::Form2)->isVisible());
    QVERIFY(window(FormId::Form1)->isVisible());
    QVERIFY(box(FormId::Form2, "Text1")->text().isEmpty());
    for (FormId id : {FormId::Form7, FormId::Form8}) {
        m_application->show(id);
        FormWindow* shown = window(id);
        QVERIFY(click(id, "Command1"));
        QVERIFY(!shown->isVisible());
        m_application->show(id);
        QCOMPARE(window(id), shown);
        QVERIFY(shown->isVisible());
    }
}

void QtWindowsTest::blankMenuEntriesDoNothing() {
    for (const char* entry : {"s1", "s2", "s3"}) {
        auto* action = window(FormId::Form1)->findChild<QAction*>(entry);
        QVERIFY(action != nullptr);
        action->trigger();
    }
    for (const WindowRow& row : windows()) {
        QVERIFY(row.id == FormId::Form1 || m_application->find(row.id) == nullptr);
    }
}

// The title bar's close button on a calculator hides it, clears it and blanks its quantities;
// on the formulas sheet it hides the sheet. The same windows come back on the next show.
void QtWindowsTest::closingAWindowDoesWhatItsMenuOrOkDoes() {
    m_application->show(FormId::Form4);
    FormWindow* resonance = window(FormId::Form4);
    QTest::keyClicks(box(FormId::Form4, "Text1"), "100");
    m_application->quantities().frequence = EntryValue::text("7000");
    QVERIFY(resonance->close());
    QVERIFY(!resonance->isVisible());
    QVERIFY(window(FormId::Form1)->isVisible());
    QVERIFY(box(FormId::Form4, "Text1")->text().isEmpty());
    QCOMPARE(m_application->quantities().capacite, EntryValue::emptyText());
    QCOMPARE(m_application->quantities().frequence, EntryValue::emptyText());
    m_application->show(FormId::Form4);
    QCOMPARE(window(FormId::Form4), resonance);
    m_application->show(FormId::Form8);
    FormWindow* sheet = window(FormId::Form8);
    QVERIFY(sheet->close());
    QVERIFY(!sheet->isVisible());
    m_application->show(FormId::Form8);
    QCOMPARE(window(FormId::Form8), sheet);
}

void QtWindowsTest::closingTheMainWindowEndsTheProgram() {
    m_application->show(FormId::Form5);
    bool loopEnded = false;
    QTimer::singleShot(0, this, [this] { window(FormId::Form1)->close(); });
    QTimer::singleShot(5000, this, [] { QApplication::exit(1); });
    loopEnded = QApplication::exec() == 0;
    QVERIFY(loopEnded);
    QVERIFY(!window(FormId::Form5)->isVisible());
}

void QtWindowsTest::quitterEndsTheEventLoop() {
    m_application->show(FormId::Form4);
    m_application->show(FormId::Form8);
    QTimer::singleShot(0, this, [this] { QVERIFY(click(FormId::Form1, "Command6")); });
    QTimer::singleShot(5000, this, [] { QApplication::exit(1); });
    QCOMPARE(QApplication::exec(), 0);
    for (FormId id : {FormId::Form1, FormId::Form4, FormId::Form8}) {
        QVERIFY(!window(id)->isVisible());
    }
    // Nothing runs after the end: a write no longer reaches the quantities.
    box(FormId::Form4, "Text1")->setText("5");
    QCOMPARE(m_application->quantities().capacite, EntryValue());
}

namespace {

struct PageRow {
    const char* name;
    FormId form;
    const char* language;
    const char* part; // "" for the window, a control's name, or "menu:" and an entry's name
    const char* expected;
};

// Places in pixels are the described form units over 15; fonts are in pixels at 96 DPI.
const PageRow kPageRows[] = {
    {"window", FormId::Form1, "en", "", R"json({
        "form": "Form1", "caption": "Formulas by VELDRAN", "close": "Close", "placed": true,
        "left": 229, "top": 109, "width": 375, "height": 407,
        "ground": "rgb(255,192,128)", "ink": "rgb(128,128,255)",
        "font": {"family": "\"MS Sans Serif\", \"Liberation Sans\", \"Arimo\", \"Arial\", \"Helvetica\", \"DejaVu Sans\", sans-serif",
                 "weight": "bold", "slant": "normal", "size": 11}})json"},
    {"button_on_a_panel", FormId::Form1, "en", "Command6", R"json({
        "name": "Command6", "kind": "button", "panel": "Picture1",
        "left": 136, "top": 328, "width": 81, "height": 33, "tab": 6, "centred": false,
        "ground": "rgb(255,255,255)", "ink": "rgb(0,0,0)", "font": null, "ring": "rgb(0,0,0)",
        "inkMore": "", "groundMore": "", "announced": "", "hint": "", "enter": "",
        "escape": false, "labels": [], "before": "Quit", "key": "", "after": ""})json"},
    {"button_with_its_key", FormId::Form4, "fr", "Command1", R"json({
        "name": "Command1", "kind": "button", "panel": "",
        "left": 112, "top": 352, "width": 81, "height": 33, "tab": 3, "centred": false,
        "ground": "rgb(255,255,255)", "ink": "rgb(0,0,0)", "font": null, "ring": "rgb(0,0,0)",
        "inkMore": "", "groundMore": "", "announced": "", "hint": "", "enter": "",
        "escape": false, "labels": [], "before": "", "key": "C", "after": "alcul"})json"},
    {"button_pressed_by_escape", FormId::Form7, "en", "Command1", R"json({
        "name": "Command1", "kind": "button", "panel": "Picture1",
        "left": 152, "top": 240, "width": 81, "height": 33, "tab": 0, "centred": false,
        "ground": "rgb(239,239,239)", "ink": "rgb(0,0,0)", "font": null, "ring": "rgb(0,0,0)",
        "inkMore": "", "groundMore": "", "announced": "", "hint": "", "enter": "",
        "escape": true, "labels": [], "before": "OK", "key": "", "after": ""})json"},
    {"data_box", FormId::Form4, "fr", "Text1", R"json({
        "name": "Text1", "kind": "box", "panel": "",
        "left": 104, "top": 152, "width": 269, "height": 26, "tab": 0, "centred": false,
        "ground": "rgb(255,255,255)", "ink": "rgb(0,0,255)", "font": null, "ring": "rgb(0,0,0)",
        "inkMore": "", "groundMore": "", "announced": "Capacite en pf",
        "hint": "Unités : pF (p), nF (n), µF (uF, µ, u), F ; pF si rien n'est indiqué ; codes p, n et u (µ) : 4n7 = 4,7 nF\nSi les résultats s'écrivent avec un point, la virgule sépare les milliers : 14,230 = 14230",
        "enter": "Command1", "escape": false, "labels": ["Label10"],
        "before": "", "key": "", "after": ""})json"},
    {"instruction_box", FormId::Form4, "it", "Text4", R"json({
        "name": "Text4", "kind": "box", "panel": "",
        "left": 48, "top": 16, "width": 385, "height": 33, "tab": 6, "centred": false,
        "ground": "rgb(255,255,224)", "ink": "rgb(0,0,0)", "font": null, "ring": "rgb(0,0,0)",
        "inkMore": "", "groundMore": "", "announced": "Istruzione", "hint": "", "enter": "",
        "escape": false, "labels": [], "before": "                              Inserire due valori per ottenere il terzo",
        "key": "", "after": ""})json"},
    {"label_on_a_panel", FormId::Form1, "de", "Label1", R"json({
        "name": "Label1", "kind": "label", "panel": "Picture2",
        "left": 32, "top": 16, "width": 305, "height": 33, "tab": -1, "centred": true,
        "ground": "", "ink": "rgb(192,0,0)", "ring": "rgb(0,0,0)",
        "font": {"family": "\"Times New Roman\", \"Liberation Serif\", \"Tinos\", \"Times\", \"DejaVu Serif\", serif",
                 "weight": "bold", "slant": "normal", "size": 27},
        "inkMore": "", "groundMore": "", "announced": "", "hint": "", "enter": "",
        "escape": false, "labels": [], "before": "Formeln - Funk", "key": "", "after": ""})json"},
    // The window's ink (128, 128, 255) on the panel's grey is 2.47:1; darkened in its hue to
    // 4.54:1 for a user who asks for more contrast.
    {"panel", FormId::Form1, "fr", "Picture2", R"json({
        "name": "Picture2", "kind": "panel", "panel": "",
        "left": 32, "top": 16, "width": 305, "height": 33, "tab": -1, "centred": false,
        "ground": "rgb(224,224,224)", "ink": "", "ring": "rgb(0,0,0)",
        "font": {"family": "\"Times New Roman\", \"Liberation Serif\", \"Tinos\", \"Times\", \"DejaVu Serif\", serif",
                 "weight": "bold", "slant": "normal", "size": 16},
        "inkMore": "rgb(89,89,179)", "groundMore": "", "announced": "", "hint": "", "enter": "",
        "escape": false, "labels": [], "before": "", "key": "", "after": ""})json"},
    {"menu_entry", FormId::Form1, "es", "menu:Infos",
     R"json({"name": "Infos", "before": "", "key": "A", "after": "cerca de..."})json"},
    {"blank_menu_entry", FormId::Form1, "fr", "menu:s1",
     R"json({"name": "s1", "before": "", "key": "", "after": ""})json"},
};

} // namespace

void QtWindowsTest::pageDescriptionHasWhatThePageReads_data() {
    QTest::addColumn<int>("form");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("part");
    QTest::addColumn<QString>("expected");
    for (const PageRow& row : kPageRows) {
        QTest::newRow(row.name) << int(row.form) << row.language << row.part << row.expected;
    }
}

namespace {

QJsonObject namedIn(const QJsonArray& items, const QString& name) {
    for (const QJsonValue& item : items) {
        if (item.toObject()[QString::fromUtf8(pageKey::kName.data())] == name) {
            return item.toObject();
        }
    }
    return {};
}

} // namespace

// The page builds each window from the description pageWindow writes for it; each row is one
// part of it, as the page reads it: the window (its controls and menu aside), a control of each
// kind, a menu entry ("menu:" and its name).
void QtWindowsTest::pageDescriptionHasWhatThePageReads() {
    QFETCH(int, form);
    QFETCH(QString, language);
    QFETCH(QString, part);
    QFETCH(QString, expected);
    const auto id = static_cast<FormId>(form);
    m_application->show(id);
    const std::string json =
        pageWindow(m_application->find(id)->description(), nameOf(id), language.toStdString());
    QJsonParseError error{};
    const QJsonObject window =
        QJsonDocument::fromJson(QByteArray::fromStdString(json), &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    const QString controlsKey = QString::fromUtf8(pageKey::kControls.data());
    const QString menuKey = QString::fromUtf8(pageKey::kMenu.data());
    QJsonObject actual = window;
    if (part.startsWith("menu:")) {
        actual = namedIn(window[menuKey].toArray(), part.mid(5));
    } else if (!part.isEmpty()) {
        actual = namedIn(window[controlsKey].toArray(), part);
    } else {
        actual.remove(controlsKey);
        actual.remove(menuKey);
    }
    const QJsonDocument wanted = QJsonDocument::fromJson(expected.toUtf8(), &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(actual, wanted.object());
}

void QtWindowsTest::clientAreasMatchTheFormUnits_data() {
    QTest::addColumn<int>("form");
    for (const WindowRow& row : windows()) {
        QTest::newRow(std::string(row.name).c_str()) << int(row.id);
    }
}

// Every window's client area has the size of its description and, where it is placed, its
// position, below the menu bar of the main window; at 96 DPI a pixel is 15 form units. Every
// control lies inside its parent.
void QtWindowsTest::clientAreasMatchTheFormUnits() {
    QFETCH(int, form);
    QCOMPARE(QGuiApplication::primaryScreen()->logicalDotsPerInch(), 96.0);
    const auto id = static_cast<FormId>(form);
    m_application->show(id);
    const FormRect& described = m_application->find(id)->description().clientArea;
    QWidget* client = window(id)->centralWidget();
    QCOMPARE(client->width(), qRound(described.width / 15.0));
    QCOMPARE(client->height(), qRound(described.height / 15.0));
    if (m_application->find(id)->description().placed) {
        QCOMPARE(client->mapToGlobal(QPoint(0, 0)),
                 QPoint(qRound(described.left / 15.0), qRound(described.top / 15.0)));
    }
    for (QWidget* child : client->findChildren<QWidget*>()) {
        const QRect inParent(QPoint(0, 0), child->parentWidget()->size());
        QVERIFY2(inParent.contains(child->geometry()), qPrintable(child->objectName()));
    }
}

void QtWindowsTest::coloursAreTheDescribedOnesOnAnyDesktop_data() {
    QTest::addColumn<int>("form");
    QTest::addColumn<bool>("dark");
    for (const WindowRow& row : windows()) {
        QTest::addRow("%s light", row.name.data()) << int(row.id) << false;
        QTest::addRow("%s dark", row.name.data()) << int(row.id) << true;
    }
}

namespace {

// A desktop's dark scheme as a platform theme hands it to Qt: light text on dark grounds.
QPalette darkDesktopPalette() {
    QPalette dark(QColor(53, 53, 53));
    dark.setColor(QPalette::Window, QColor(36, 36, 36));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Base, QColor(45, 45, 45));
    dark.setColor(QPalette::Text, QColor(238, 238, 236));
    dark.setColor(QPalette::ButtonText, Qt::white);
    return dark;
}

// The colour a described colour shows as in the classic light scheme: the window's background
// is white and its text black; a default one is the given colour.
QColor classicColour(const Colour& colour, const QColor& byDefault) {
    switch (colour.source) {
    case Colour::Source::Rgb:
        return QColor(colour.red, colour.green, colour.blue);
    case Colour::Source::SystemWindow:
        return Qt::white;
    case Colour::Source::SystemWindowText:
        return Qt::black;
    case Colour::Source::Default:
        break;
    }
    return byDefault;
}

// What the user sees behind a widget: its own background when it fills it, else its parent's.
QColor shownBackground(const QWidget* widget, QPalette::ColorRole role) {
    while (!widget->autoFillBackground() && role == QPalette::Window && widget->parentWidget()) {
        widget = widget->parentWidget();
    }
    return widget->palette().color(role);
}

bool isLightGrey(const QColor& colour) {
    return colour.red() == colour.green() && colour.green() == colour.blue() &&
           colour.red() >= 192 && colour.red() < 255;
}

} // namespace

// Every control shows the colours of its description, the system ones in the classic light
// scheme (white boxes, light grey button faces, black text), whatever the desktop's palette: a
// dark desktop changes no colour of the client area.
void QtWindowsTest::coloursAreTheDescribedOnesOnAnyDesktop() {
    QFETCH(int, form);
    QFETCH(bool, dark);
    if (dark) {
        cleanup();
        QApplication::setPalette(darkDesktopPalette());
        init();
    }
    const auto id = static_cast<FormId>(form);
    m_application->show(id);
    const FormDescription& d = m_application->find(id)->description();
    QWidget* client = window(id)->centralWidget();
    const QColor windowBackground = classicColour(d.background, QColor());
    const QColor windowText = classicColour(d.foreground, Qt::black);
    QCOMPARE(client->palette().color(QPalette::Window),
             windowBackground.isValid() ? windowBackground
                                        : client->palette().color(QPalette::Window));
    QVERIFY(windowBackground.isValid() || isLightGrey(shownBackground(client, QPalette::Window)));
    QCOMPARE(client->palette().color(QPalette::WindowText), windowText);
    for (const ControlDescription& control : d.controls) {
        auto* widget = client->findChild<QWidget*>(QString::fromStdString(control.name));
        QVERIFY2(widget != nullptr, control.name.c_str());
        const char* name = control.name.c_str();
        switch (control.kind) {
        case ControlKind::TextBox:
            QCOMPARE(widget->palette().color(QPalette::Base),
                     classicColour(control.background, Qt::white));
            QCOMPARE(widget->palette().color(QPalette::Text),
                     classicColour(control.foreground, Qt::black));
            break;
        case ControlKind::Button:
            if (control.background.isDefault()) {
                QVERIFY2(isLightGrey(widget->palette().color(QPalette::Button)), name);
            } else {
                QCOMPARE(widget->palette().color(QPalette::Button),
                         classicColour(control.background, QColor()));
            }
            QCOMPARE(widget->palette().color(QPalette::ButtonText),
                     classicColour(control.foreground, Qt::black));
            break;
        case ControlKind::Label:
        case ControlKind::PictureBox: {
            const QColor behind = shownBackground(widget->parentWidget(), QPalette::Window);
            QCOMPARE(shownBackground(widget, QPalette::Window),
                     classicColour(control.background, behind));
            QCOMPARE(widget->palette().color(QPalette::WindowText),
                     classicColour(control.foreground, windowText));
            break;
        }
        }
    }
}

QTEST_MAIN(QtWindowsTest)
#include "test_qt_windows.moc"
