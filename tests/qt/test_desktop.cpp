// What desktop users expect around the windows: accessible names, the keyboard (Return, Enter,
// Escape, Alt and a visible focus), decimal commas and Qt's own texts in a French locale, and
// captions that fit their controls at any scale.
#include "qt/Desktop.h"
#include "qt/Fonts.h"
#include "qt/FormWindow.h"
#include "qt/Language.h"
#include "qt/QtToolkit.h"
#include "shell/Application.h"
#include "shell/Windows.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTranslator>
#include <QtTest>

#include <langinfo.h>

#include <clocale>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

using namespace formules;

namespace {

// A form with a real window's description that records the clicks its window delivers.
class ClickRecorder final : public Form {
public:
    explicit ClickRecorder(const FormDescription& description) : m_description(description) {}
    const FormDescription& description() const override { return m_description; }
    void click(std::string_view control) override { clicks.emplace_back(control); }
    void change(std::string_view) override {}
    void closedFromTitleBar() override {}

    std::vector<std::string> clicks;

private:
    const FormDescription& m_description;
};

// The window of a form that records its clicks, built and shown by the toolkit as every window
// is, and discarded with it.
struct RecordedWindow {
    RecordedWindow(QtToolkit& showing, const FormDescription& description)
        : toolkit(showing), recorder(description) {
        toolkit.show(recorder);
    }
    ~RecordedWindow() { toolkit.discard(recorder); }
    FormWindow* window() const { return toolkit.window(recorder); }

    QtToolkit& toolkit;
    ClickRecorder recorder;
};

// Whether the C library has the named locale ("" for the environment's), freeing what it made.
bool cLibraryHas(const char* name) {
    const locale_t locale = newlocale(LC_ALL_MASK, name, locale_t(0));
    if (locale == locale_t(0)) {
        return false;
    }
    freelocale(locale);
    return true;
}

// The contrast ratio of two colours as the accessibility guidelines define it (WCAG 2.1); a
// focus indicator needs at least 3 against what surrounds it.
double contrastRatio(const QColor& a, const QColor& b) {
    auto luminance = [](const QColor& c) {
        auto linear = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

class DesktopTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void accessibilityTreeNamesEveryControl_data();
    void accessibilityTreeNamesEveryControl();
    void unitsAreNamedInTheTooltip();
    void returnInADataBoxPressesCalcul_data();
    void returnInADataBoxPressesCalcul();
    void returnInTheInstructionBoxDoesNothing();
    void returnAndEnterPressAFocusedButton_data();
    void returnAndEnterPressAFocusedButton();
    void altChoosesTheMenuEntries();
    void accessKeysPressTheCalculatorButtons_data();
    void accessKeysPressTheCalculatorButtons();
    void keysWithModifiersTypeNothing_data();
    void keysWithModifiersTypeNothing();
    void editingShortcutsStillWork();
    void calculatorShownAgainFocusesItsFirstBox();
    void focusIsVisibleOnEveryControl_data();
    void focusIsVisibleOnEveryControl();
    void localeWritesItsSeparatorAndBothAreRead_data();
    void localeWritesItsSeparatorAndBothAreRead();
    void frenchLocaleTranslatesQtsOwnTexts();
    void unreadableLocaleNamesAreRecognised_data();
    void unreadableLocaleNamesAreRecognised();
    void missingLocaleFallsBackToUtf8_data();
    void missingLocaleFallsBackToUtf8();
    void textsWithoutAFontOfTheirOwnAreProportional();
    void captionsFitTheirControls_data();
    void captionsFitTheirControls();
    void designHelpFitsItsLabel_data();
    void designHelpFitsItsLabel();

private:
    FormWindow* open(FormId id);
    void restartSpeaking(const QString& language);
    // The window active, so that keys reach its focused control and its shortcuts; false, for
    // the caller to check, when it could not be activated.
    [[nodiscard]] bool activate(QWidget* window);

    std::unique_ptr<QtToolkit> m_toolkit;
    std::unique_ptr<Application> m_application;
};

// The program's names, icon and style, as it starts.
void DesktopTest::initTestCase() {
    prepareDesktopApplication(*qApp);
}

void DesktopTest::init() {
    QLocale::setDefault(QLocale::c());
    m_toolkit = std::make_unique<QtToolkit>();
    m_toolkit->setDecimalSeparator(".");
    m_application = std::make_unique<Application>(*m_toolkit);
    m_application->start();
}

void DesktopTest::cleanup() {
    m_application.reset();
    m_toolkit.reset();
    speak(*qApp, kSourceLanguage);
}

// The program started anew in the language, as a user of that language starts it.
void DesktopTest::restartSpeaking(const QString& language) {
    m_application.reset();
    m_toolkit.reset();
    QVERIFY(speak(*qApp, language.toStdString()));
    m_toolkit = std::make_unique<QtToolkit>();
    m_toolkit->setLanguage(language.toStdString());
    m_application = std::make_unique<Application>(*m_toolkit);
    m_application->start();
}

FormWindow* DesktopTest::open(FormId id) {
    m_application->show(id);
    return m_toolkit->window(*m_application->find(id));
}

bool DesktopTest::activate(QWidget* window) {
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// The data box of that name, as the calculator's frame has it, or nullptr.
const DataBox* dataBoxOf(FormId id, const QString& box) {
    const WindowRow& row = windowRow(id);
    if (!row.isCalculator()) {
        return nullptr;
    }
    for (const DataBox& data : row.frame().dataBoxes) {
        if (box == QLatin1String(data.box.name)) {
            return &data;
        }
    }
    return nullptr;
}

// One row per window of the registry.
void addWindowRows() {
    QTest::addColumn<int>("form");
    for (const WindowRow& row : windows()) {
        QTest::newRow(std::string(row.name).c_str()) << int(row.id);
    }
}

// One row per calculator of the registry.
void addCalculatorRows() {
    QTest::addColumn<int>("form");
    for (const WindowRow& row : windows()) {
        if (row.isCalculator()) {
            QTest::newRow(std::string(row.name).c_str()) << int(row.id);
        }
    }
}

QString toQt(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The texts of the example typed into the window's boxes, key by key; returns the last box.
QString typeExample(FormWindow* window, const Example& example) {
    QString last;
    for (const TypedText& typed : example.typed) {
        if (!typed.box.empty()) {
            last = toQt(typed.box);
            QTest::keyClicks(window->findChild<QLineEdit*>(last), toQt(typed.text));
        }
    }
    return last;
}

// One row per window of the registry and language the program speaks, the language spoken.
void addWindowAndLanguageRows() {
    QTest::addColumn<int>("form");
    QTest::addColumn<QString>("language");
    for (const std::string& language : spokenLanguages()) {
        for (const WindowRow& row : windows()) {
            QTest::addRow("%s %s", row.name.data(), language.c_str())
                << int(row.id) << QString::fromStdString(language);
        }
    }
}

// The French texts of a window's description that its translation changes: none of them may
// show once another language is spoken. (A name, which stays, is translated by itself.)
QStringList translatedFrenchTexts(const FormDescription& d, const QString& language) {
    QStringList texts;
    auto add = [&](const std::string& text) {
        const std::string translation = translate(language.toStdString(), text);
        if (!text.empty() && withoutAccessKeys(translation) != text) {
            texts.append(QString::fromStdString(text));
        }
    };
    add(d.caption);
    for (const ControlDescription& control : d.controls) {
        add(control.caption);
        add(control.accessibleName);
        add(control.hint);
    }
    return texts;
}

void DesktopTest::accessibilityTreeNamesEveryControl_data() {
    addWindowAndLanguageRows();
}

// Walks the accessibility tree, what a screen reader reads: every editable text has a name,
// result boxes say so, boxes read in a unit describe the unit words they take, every button and
// menu entry carries its caption; in every language but French, no French text is left.
void DesktopTest::accessibilityTreeNamesEveryControl() {
    QFETCH(int, form);
    QFETCH(QString, language);
    restartSpeaking(language);
    const bool french = language == kSourceLanguage;
    FormWindow* window = open(static_cast<FormId>(form));
    const QStringList frenchTexts = translatedFrenchTexts(
        m_application->find(static_cast<FormId>(form))->description(), language);
    QVERIFY(french || !frenchTexts.isEmpty());
    QList<QAccessibleInterface*> pending{QAccessible::queryAccessibleInterface(window)};
    int edits = 0;
    int buttons = 0;
    while (!pending.isEmpty()) {
        QAccessibleInterface* node = pending.takeFirst();
        QVERIFY(node != nullptr);
        for (int i = 0; i < node->childCount(); ++i) {
            pending.append(node->child(i));
        }
        const QString name = node->text(QAccessible::Name);
        for (auto text : {QAccessible::Name, QAccessible::Description, QAccessible::Value}) {
            QVERIFY2(french || !frenchTexts.contains(node->text(text)),
                     qPrintable(node->text(text)));
        }
        if (node->role() == QAccessible::EditableText) {
            ++edits;
            QVERIFY2(!name.isEmpty(), qPrintable(node->object()->objectName()));
            const DataBox* data =
                dataBoxOf(static_cast<FormId>(form), node->object()->objectName());
            const bool result = data != nullptr && data->role == BoxRole::Result;
            const bool filled = data != nullptr && !result;
            const bool takesUnits = filled && unitOf(data->quantity) != Unit::None;
            const QString description = node->text(QAccessible::Description);
            QCOMPARE(!description.isEmpty(), filled);
            QCOMPARE(description.contains("14,230 = 14230"), filled);
            if (french) {
                QCOMPARE(name.startsWith("Résultat : "), result);
                QCOMPARE(description.startsWith("Unités : "), takesUnits);
            }
            QCOMPARE(qobject_cast<QWidget*>(node->object())->toolTip(), description);
        }
        if (node->role() == QAccessible::PushButton) {
            ++buttons;
            auto* button = qobject_cast<QPushButton*>(node->object());
            QVERIFY(button != nullptr);
            QCOMPARE(name, button->text().remove('&'));
        }
    }
    QCOMPARE(edits, window->findChildren<QLineEdit*>().size());
    QCOMPARE(buttons, window->findChildren<QPushButton*>().size());
    for (QAction* action : window->findChildren<QAction*>()) {
        QVERIFY2(french || !frenchTexts.contains(action->text().remove('&')),
                 qPrintable(action->text()));
        if (french && action->objectName() == "Formule") {
            QCOMPARE(action->text(), QString("&Formules"));
        }
        if (french && action->objectName() == "Infos") {
            QCOMPARE(action->text(), QString("à &propos de..."));
        }
    }
}

// The frequency box of the resonance window, word for word.
void DesktopTest::unitsAreNamedInTheTooltip() {
    auto* frequency = open(FormId::Form4)->findChild<QLineEdit*>("Text2");
    QCOMPARE(frequency->toolTip(), QString("Unités : Hz, kHz (k, kc), MHz (M, meg, Mc), GHz (G) ; "
                                           "kHz si rien n'est indiqué ; codes k, M et G : 7M1 = "
                                           "7,1 MHz\nSi les résultats s'écrivent avec un point, "
                                           "la virgule sépare les milliers : 14,230 = 14230"));
    auto* length = open(FormId::Form5)->findChild<QLineEdit*>("Text3");
    QCOMPARE(length->toolTip(),
             QString("Unités : mm, cm, m, in (\"), ft ; cm si rien n'est indiqué\nSi les "
                     "résultats s'écrivent avec un point, la virgule sépare les milliers : "
                     "14,230 = 14230"));
}

void DesktopTest::returnInADataBoxPressesCalcul_data() {
    addCalculatorRows();
}

// Return in the last box the example fills presses "Calcul", which writes a result.
void DesktopTest::returnInADataBoxPressesCalcul() {
    QFETCH(int, form);
    const WindowRow& row = windowRow(static_cast<FormId>(form));
    FormWindow* window = open(row.id);
    const QString last = typeExample(window, row.example);
    QTest::keyClick(window->findChild<QLineEdit*>(last), Qt::Key_Return);
    QVERIFY(!window->findChild<QLineEdit*>(toQt(row.example.result))->text().isEmpty());
}

void DesktopTest::returnInTheInstructionBoxDoesNothing() {
    FormWindow* window = open(FormId::Form4);
    QTest::keyClicks(window->findChild<QLineEdit*>("Text1"), "100");
    QTest::keyClicks(window->findChild<QLineEdit*>("Text3"), "10");
    QTest::keyClick(window->findChild<QLineEdit*>("Text4"), Qt::Key_Enter);
    QVERIFY(window->findChild<QLineEdit*>("Text2")->text().isEmpty());
}

void DesktopTest::returnAndEnterPressAFocusedButton_data() {
    addWindowRows();
}

// On every button of every window, Return and Enter press the focused button; Escape presses
// "OK" in the formulas sheet and the About window, and nothing elsewhere.
void DesktopTest::returnAndEnterPressAFocusedButton() {
    QFETCH(int, form);
    const auto id = static_cast<FormId>(form);
    open(id);
    RecordedWindow recorded(*m_toolkit, m_application->find(id)->description());
    ClickRecorder& recorder = recorded.recorder;
    FormWindow& window = *recorded.window();
    QVERIFY(activate(&window));
    const auto buttons = window.findChildren<QPushButton*>();
    QVERIFY(!buttons.isEmpty());
    for (QPushButton* button : buttons) {
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
            recorder.clicks.clear();
            button->setFocus();
            QCOMPARE(QApplication::focusWidget(), button);
            QTest::keyClick(QApplication::focusWidget(), key);
            QCOMPARE(recorder.clicks, std::vector<std::string>{button->objectName().toStdString()});
        }
    }
    // Escape presses the button as a click of the mouse would, released a moment later.
    recorder.clicks.clear();
    QTest::keyClick(&window, Qt::Key_Escape);
    if (id == FormId::Form7 || id == FormId::Form8) {
        QTRY_COMPARE(recorder.clicks, std::vector<std::string>{"Command1"});
    } else {
        QTest::qWait(200);
        QCOMPARE(recorder.clicks, std::vector<std::string>{});
    }
}

void DesktopTest::altChoosesTheMenuEntries() {
    FormWindow* main = open(FormId::Form1);
    QVERIFY(activate(main));
    QTest::keyClick(main, Qt::Key_F, Qt::AltModifier);
    QVERIFY(m_application->find(FormId::Form8) != nullptr);
    QVERIFY(m_toolkit->window(*m_application->find(FormId::Form8))->isVisible());
    QVERIFY(activate(main));
    QTest::keyClick(main, Qt::Key_P, Qt::AltModifier);
    QVERIFY(m_application->find(FormId::Form7) != nullptr);
    QVERIFY(m_toolkit->window(*m_application->find(FormId::Form7))->isVisible());
}

void DesktopTest::accessKeysPressTheCalculatorButtons_data() {
    QTest::addColumn<int>("form");
    for (const WindowRow& row : windows()) {
        if (row.isCalculator()) {
            QTest::newRow(std::string(row.name).c_str()) << int(row.id);
        }
    }
}

// Alt+C, Alt+E and Alt+M press "Calcul", "Effacer" and "Menu" from the first box, and type
// nothing into it; each caption shows its key underlined, as the menu bar does.
void DesktopTest::accessKeysPressTheCalculatorButtons() {
    QFETCH(int, form);
    const auto id = static_cast<FormId>(form);
    open(id);
    RecordedWindow recorded(*m_toolkit, m_application->find(id)->description());
    ClickRecorder& recorder = recorded.recorder;
    FormWindow& window = *recorded.window();
    QVERIFY(activate(&window));
    const std::pair<Qt::Key, const char*> keys[] = {
        {Qt::Key_C, "Command1"}, {Qt::Key_E, "Command3"}, {Qt::Key_M, "Command2"}};
    for (const auto& [key, button] : keys) {
        QLineEdit* first = window.findChild<QLineEdit*>("Text1");
        first->setFocus();
        recorder.clicks.clear();
        QTest::keyClick(first, key, Qt::AltModifier);
        QTRY_COMPARE(recorder.clicks, std::vector<std::string>{button});
        QCOMPARE(first->text(), QString());
        QVERIFY(window.findChild<QPushButton*>(button)->text().startsWith(
            QLatin1Char('&') + QKeySequence(key).toString()));
    }
}

void DesktopTest::keysWithModifiersTypeNothing_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain_m") << int(Qt::Key_M) << "m" << int(Qt::NoModifier) << "5m";
    QTest::newRow("alt_m") << int(Qt::Key_M) << "m" << int(Qt::AltModifier) << "5";
    QTest::newRow("alt_shift_m") << int(Qt::Key_M) << "M"
                                 << int(Qt::AltModifier | Qt::ShiftModifier) << "5";
    QTest::newRow("alt_digit") << int(Qt::Key_0) << "0" << int(Qt::AltModifier) << "5";
    QTest::newRow("ctrl_m") << int(Qt::Key_M) << "m" << int(Qt::ControlModifier) << "5";
    QTest::newRow("meta_m") << int(Qt::Key_M) << "m" << int(Qt::MetaModifier) << "5";
    QTest::newRow("altgr_mu") << int(Qt::Key_mu) << "µ" << int(Qt::GroupSwitchModifier) << "5µ";
    QTest::newRow("altgr_euro") << int(Qt::Key_unknown) << "€" << int(Qt::GroupSwitchModifier)
                                << "5€";
}

// In the coil window, "5" followed by a key with Alt, Ctrl or Meta stays "5": an "m" slipped in
// would read as 5 mH. AltGr types as it should.
void DesktopTest::keysWithModifiersTypeNothing() {
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(int, modifiers);
    QFETCH(QString, expected);
    FormWindow* window = open(FormId::Form5);
    QVERIFY(activate(window));
    auto* inductance = window->findChild<QLineEdit*>("Text1");
    QTest::keyClicks(inductance, "5");
    QTest::sendKeyEvent(QTest::Click, inductance, Qt::Key(key), text,
                        Qt::KeyboardModifiers(modifiers));
    QCOMPARE(inductance->text(), expected);
    QCOMPARE(m_application->quantities().inductance, EntryValue::text(expected.toStdString()));
}

// Select all, cut and paste back, and undo, by their usual keys.
void DesktopTest::editingShortcutsStillWork() {
    FormWindow* window = open(FormId::Form4);
    QVERIFY(activate(window));
    auto* frequency = window->findChild<QLineEdit*>("Text2");
    QTest::keyClicks(frequency, "7,1 MHz");
    QTest::keyClick(frequency, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(frequency->selectedText(), QString("7,1 MHz"));
    QTest::keyClick(frequency, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(frequency->text(), QString());
    QTest::keyClick(frequency, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(frequency->text(), QString("7,1 MHz"));
    QTest::keyClick(frequency, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(frequency->text(), QString());
}

// "Menu" pressed from its button; the calculator shown again gives the focus to its first box as
// soon as it is active.
void DesktopTest::calculatorShownAgainFocusesItsFirstBox() {
    FormWindow* window = open(FormId::Form5);
    QVERIFY(activate(window));
    auto* menu = window->findChild<QPushButton*>("Command2");
    menu->setFocus();
    QTest::keyClick(menu, Qt::Key_Space);
    QTRY_VERIFY(!window->isVisible());
    QCOMPARE(open(FormId::Form5), window);
    QCOMPARE(window->focusWidget(), window->findChild<QLineEdit*>("Text1"));
}

void DesktopTest::focusIsVisibleOnEveryControl_data() {
    addWindowRows();
}

// Focus on a control changes about a ring's worth of its pixels by the contrast the guidelines
// ask of a focus indicator (3:1 between the same pixel focused and not), on every control,
// the blue button included.
void DesktopTest::focusIsVisibleOnEveryControl() {
    QFETCH(int, form);
    FormWindow* window = open(static_cast<FormId>(form));
    QVERIFY(activate(window));
    QList<QWidget*> controls;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->focusPolicy() != Qt::NoFocus &&
            (qobject_cast<QPushButton*>(widget) || qobject_cast<QLineEdit*>(widget))) {
            controls.append(widget);
        }
    }
    QVERIFY(!controls.isEmpty());
    for (QWidget* control : controls) {
        control->clearFocus();
        const QImage plain = control->grab().toImage();
        control->setFocus();
        QCOMPARE(QApplication::focusWidget(), control);
        const QImage focused = control->grab().toImage();
        int visible = 0;
        for (int y = 0; y < focused.height(); ++y) {
            for (int x = 0; x < focused.width(); ++x) {
                if (contrastRatio(focused.pixelColor(x, y), plain.pixelColor(x, y)) >= 3.0) {
                    ++visible;
                }
            }
        }
        QVERIFY2(visible >= focused.width() + focused.height(),
                 qPrintable(control->objectName() + ": " + QString::number(visible)));
    }
}

void DesktopTest::localeWritesItsSeparatorAndBothAreRead_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("reactance");
    for (const char* comma : {"fr_FR", "de_DE", "es_ES", "it_IT"}) {
        QTest::newRow(comma) << comma << QString(comma).left(2) << "5032,921"
                             << "316,23";
    }
    QTest::newRow("en_US") << "en_US"
                           << "en"
                           << "5032.921"
                           << "316.23";
    // Swiss German writes a point: the desktop's region counts where it speaks the windows'
    // language.
    QTest::newRow("de_CH") << "de_CH"
                           << "de"
                           << "5032.921"
                           << "316.23";
    // English windows on a French desktop write as English does.
    QTest::newRow("fr_FR_in_English") << "fr_FR"
                                      << "en"
                                      << "5032.921"
                                      << "316.23";
}

// A user computes a frequency, and results show the decimal separator that the desktop's locale
// and the windows' language decide; then that result, or the same number with the other
// separator, gives one reactance in the inductor window. 6.2832 x 5032.921 x 10 / 1000 =
// 316.2264...; reading only 5032 would give 316.17.
void DesktopTest::localeWritesItsSeparatorAndBothAreRead() {
    QFETCH(QString, locale);
    QFETCH(QString, language);
    QFETCH(QString, frequency);
    QFETCH(QString, reactance);
    QLocale::setDefault(QLocale(locale));
    restartSpeaking(language);
    FormWindow* resonance = open(FormId::Form4);
    QTest::keyClicks(resonance->findChild<QLineEdit*>("Text1"), "100");
    QTest::keyClicks(resonance->findChild<QLineEdit*>("Text3"), "10");
    QTest::keyClick(resonance->findChild<QLineEdit*>("Text3"), Qt::Key_Return);
    QCOMPARE(resonance->findChild<QLineEdit*>("Text2")->text(), frequency);
    QString otherSeparator = frequency;
    otherSeparator.replace(',', '#').replace('.', ',').replace('#', '.');
    FormWindow* inductor = open(FormId::Form2);
    for (const QString& typed : {frequency, otherSeparator}) {
        inductor->findChild<QPushButton*>("Command3")->click();
        QTest::keyClicks(inductor->findChild<QLineEdit*>("Text1"), typed);
        QTest::keyClicks(inductor->findChild<QLineEdit*>("Text2"), "10");
        QTest::keyClick(inductor->findChild<QLineEdit*>("Text2"), Qt::Key_Return);
        QCOMPARE(inductor->findChild<QLineEdit*>("Text3")->text(), reactance);
        QCOMPARE(m_application->quantities().frequence, EntryValue::number(5032.921));
    }
}

// The text boxes' context menu in French, from Qt's own translations; a language the program
// does not speak changes nothing.
void DesktopTest::frenchLocaleTranslatesQtsOwnTexts() {
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFile::exists(folder + "/qtbase_fr.qm")) {
        QSKIP("Qt's translations (qt6-translations-l10n) are not installed");
    }
    QVERIFY(!speak(*qApp, "eo"));
    QVERIFY(speak(*qApp, "fr"));
    QLineEdit edit;
    const std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    QStringList entries;
    for (QAction* action : menu->actions()) {
        entries.append(action->text().remove('&'));
    }
    for (const char* entry : {"Annuler", "Copier", "Coller"}) {
        QVERIFY2(entries.join(' ').contains(entry), qPrintable(entries.join(", ")));
    }
}

void DesktopTest::unreadableLocaleNamesAreRecognised_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("readable");
    QTest::newRow("de_DE.UTF-8") << "de_DE.UTF-8" << true;
    QTest::newRow("C.UTF-8") << "C.UTF-8" << true;
    QTest::newRow("sr_RS@latin") << "sr_RS@latin" << true;
    QTest::newRow("unknown xx_YY") << "xx_YY.UTF-8" << true;
    QTest::newRow("list fr:de") << "fr:de" << true;
    QTest::newRow("symbols") << "@@@" << false;
    QTest::newRow("one letter") << "x" << false;
    QTest::newRow("long region") << "fr_FRANCE.UTF-8" << false;
    QTest::newRow("region of three digits") << "es_419.UTF-8" << true;
    QTest::newRow("bad item in a list") << "fr:@" << false;
}

// Names fontconfig would warn about on the terminal, as the program starts.
void DesktopTest::unreadableLocaleNamesAreRecognised() {
    QFETCH(QString, name);
    QFETCH(bool, readable);
    QCOMPARE(isReadableLocaleName(name), readable);
}

void DesktopTest::missingLocaleFallsBackToUtf8_data() {
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QStringList>("uiLanguages"); // as the desktop reports them; empty: LANG's
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("separator");
    QTest::newRow("fr_BE, not generated") << "fr_BE.UTF-8" << QStringList() << "fr"
                                          << ",";
    QTest::newRow("fr_BE, not generated, LANGUAGE=en") << "fr_BE.UTF-8" << QStringList{"en"} << "en"
                                                       << ",";
    // After a fallback, a locale the library has forgets the languages kept for the other.
    QTest::newRow("C.UTF-8, always there") << "C.UTF-8" << QStringList() << "fr"
                                           << ".";
}

// A locale the C library lacks gives it C.UTF-8, whose character type Xlib encodes accented
// titles with, and in which GTK finds nothing to warn about; the user still gets the language
// and the decimal separator of the locale. One the library has is left alone.
void DesktopTest::missingLocaleFallsBackToUtf8() {
    QFETCH(QString, lang);
    QFETCH(QStringList, uiLanguages);
    QFETCH(QString, language);
    QFETCH(QString, separator);
    const QByteArray name = lang.toLatin1();
    if (lang.startsWith("fr_BE") && cLibraryHas(name.constData())) {
        QSKIP("this machine has generated fr_BE");
    }
    const QByteArray savedLang = qgetenv("LANG");
    const QByteArray savedLanguage = qgetenv("LANGUAGE");
    qunsetenv("LC_ALL");
    qunsetenv("LANGUAGE");
    qputenv("LANG", name);
    const bool missing = !cLibraryHas("");
    fallBackFromMissingLocale(QLocale(lang),
                              uiLanguages.isEmpty() ? QLocale(lang).uiLanguages() : uiLanguages);
    const QByteArray lcAll = qgetenv("LC_ALL");
    const bool cLibraryStarts = std::setlocale(LC_ALL, "") != nullptr;
    const QString codeset = QString::fromLatin1(nl_langinfo(CODESET));
    const QString chosen = QString::fromStdString(desktopLanguage());
    const QString decimalPoint = QLocale().decimalPoint();
    qunsetenv("LC_ALL");
    qputenv("LANG", savedLang);
    qputenv("LANGUAGE", savedLanguage);
    std::setlocale(LC_ALL, "C");
    QCOMPARE(lcAll, missing ? QByteArray("C.UTF-8") : QByteArray());
    QVERIFY(cLibraryStarts);
    QCOMPARE(codeset, QString("UTF-8"));
    QCOMPARE(chosen, language);
    QCOMPARE(decimalPoint, separator);
}

// A minimal system whose only default is a fixed-pitch font: the menu bar, the message boxes and
// the tooltips are drawn in the windows' sans font instead, at the desktop's size.
void DesktopTest::textsWithoutAFontOfTheirOwnAreProportional() {
    const QFont desktop = QApplication::font();
    QApplication::setFont(QFont("Liberation Mono", 11));
    QVERIFY(QFontInfo(QApplication::font()).fixedPitch());
    preferProportionalDefaultFont();
    const QFont chosen = QApplication::font();
    QApplication::setFont(desktop);
    QVERIFY2(!QFontInfo(chosen).fixedPitch(), qPrintable(QFontInfo(chosen).family()));
    QCOMPARE(chosen.pointSize(), 11);
}

void DesktopTest::captionsFitTheirControls_data() {
    addWindowAndLanguageRows();
}

// In every language, no caption or instruction is clipped: each fits its control's width on one
// line (labels may wrap, then every line must fit the height), in the control's own font.
void DesktopTest::captionsFitTheirControls() {
    QFETCH(int, form);
    QFETCH(QString, language);
    restartSpeaking(language);
    FormWindow* window = open(static_cast<FormId>(form));
    for (QLabel* label : window->findChildren<QLabel*>()) {
        const QFontMetrics metrics(label->font());
        const QRect needed = metrics.boundingRect(
            label->contentsRect(), int(label->alignment()) | Qt::TextWordWrap, label->text());
        // A line box taller than the label still shows whole glyphs when they fit (capitals
        // without descenders in a tight heading).
        const bool fits = needed.height() <= label->height() + 1 ||
                          (needed.height() <= metrics.lineSpacing() &&
                           metrics.tightBoundingRect(label->text()).height() <= label->height());
        QVERIFY2(fits, qPrintable(label->objectName() + ": " + label->text()));
        QVERIFY2(needed.width() <= label->width(),
                 qPrintable(label->objectName() + ": " + label->text()));
    }
    // A button's caption keeps clear of the focus ring drawn 3 to 5 pixels inside its edge, with
    // 3 pixels of air on either side.
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        const QString shown =
            QString::fromStdString(withoutAccessKeys(button->text().toStdString()));
        const int needed = QFontMetrics(button->font()).horizontalAdvance(shown) + 2 * 8;
        QVERIFY2(needed <= button->width(), qPrintable(button->objectName() + ": " + shown +
                                                       " needs " + QString::number(needed)));
    }
    // The menu bar's entries stand on one row.
    const QList<QAction*> entries = window->menuBar()->actions();
    for (QAction* entry : entries) {
        QCOMPARE(window->menuBar()->actionGeometry(entry).top(),
                 window->menuBar()->actionGeometry(entries.first()).top());
    }
    // An instruction box shows its first characters: its cursor stands at their start.
    for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
        const int needed = QFontMetrics(box->font()).horizontalAdvance(box->text());
        QVERIFY2(needed < box->width(), qPrintable(box->objectName() + ": " + box->text()));
        QCOMPARE(box->cursorPosition(), 0);
    }
}

void DesktopTest::designHelpFitsItsLabel_data() {
    QTest::addColumn<int>("form");
    QTest::addColumn<QString>("language");
    for (const std::string& language : spokenLanguages()) {
        for (const WindowRow& row : windows()) {
            if (row.isCalculator()) {
                QTest::addRow("%s %s", row.name.data(), language.c_str())
                    << int(row.id) << QString::fromStdString(language);
            }
        }
    }
}

// Every line of the design help that the window's example gives stays whole in its label, in
// every language. The examples read values through units and codes, so that every window says
// what it read; those with lines of their own add them under it.
void DesktopTest::designHelpFitsItsLabel() {
    QFETCH(int, form);
    QFETCH(QString, language);
    restartSpeaking(language);
    const WindowRow& row = windowRow(static_cast<FormId>(form));
    FormWindow* window = open(row.id);
    typeExample(window, row.example);
    QTest::mouseClick(window->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    const FrameConfiguration& frame = row.frame();
    auto* help = window->findChild<QLabel*>(toQt(frame.helpLabel->name));
    QVERIFY2(!help->text().isEmpty(), "the help says what was read");
    QCOMPARE(help->text().count('\n') >= 1, !frame.helpPhrases.empty());
    const QFontMetrics metrics(help->font());
    const QRect needed = metrics.boundingRect(
        help->contentsRect(), int(help->alignment()) | Qt::TextWordWrap, help->text());
    QVERIFY2(needed.height() <= help->height() && needed.width() <= help->width(),
             qPrintable(help->text() + " needs " + QString::number(needed.height())));
}

QTEST_MAIN(DesktopTest)
#include "test_desktop.moc"
