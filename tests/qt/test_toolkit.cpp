// The toolkit operations the program relies on, checked on both toolkits: the in-memory one that
// the tests and the replay driver use, and the Qt one that users see. Each test runs once per
// toolkit (the global data rows).
#include "forms/ControlName.h"
#include "forms/Form.h"
#include "qt/FormWindow.h"
#include "qt/QtToolkit.h"
#include "shell/HeadlessToolkit.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <memory>
#include <string>
#include <vector>

using namespace formules;

namespace {

constexpr BoxName Text1{"Text1"};
constexpr BoxName Text2{"Text2"};
constexpr ButtonName Command1{"Command1"};

// A window of two boxes and a button, placed at one inch by half an inch, whose tab order is
// not the order of the description; it records every event it receives.
class RecordingForm final : public Form {
public:
    explicit RecordingForm(Toolkit& toolkit) : m_toolkit(toolkit) {}

    const FormDescription& description() const override {
        static const FormDescription kDescription = [] {
            FormDescription d;
            d.caption = "Essai";
            d.clientArea = {1440, 720, 2880, 1440};
            d.placed = true;
            d.controls = {textBox(Text1, "départ", {120, 120, 1500, 300}, 2),
                          textBox(Text2, "", {120, 600, 1500, 300}, 0),
                          button(Command1, "OK", {1800, 600, 900, 400}, 1)};
            return d;
        }();
        return kDescription;
    }
    // The box's text as the handler sees it, so that a change delivered late shows.
    void change(std::string_view box) override {
        events.push_back(std::string(box) + "=" + m_toolkit.readBox(*this, box));
    }
    void click(std::string_view control) override { events.push_back(std::string(control)); }
    void closedFromTitleBar() override { events.emplace_back("closed"); }

    std::vector<std::string> events;

private:
    Toolkit& m_toolkit;
};

} // namespace

class ToolkitTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase_data();
    void init();
    void cleanup();
    void writeRunsTheChangeRuleInsideTheWriteAndOnlyOnAChange();
    void hiddenWindowKeepsItsTextsAndADiscardedOneStartsAnew();
    void messageBoxIsModalAndReturnsOnceClosed();
    void placementAndTabOrderFollowTheDescription();
    void anUnknownBoxStopsTheRun();
    void aUsersEditRunsTheChangeRuleOnlyOnAChange();
    void nothingReachesTheFormAfterTheEnd();
    void aWindowShownAnewFocusesItsFirstControl();

private:
    bool onQt() const;
    // The control that has the focus in the form's window.
    std::string focused() const;

    std::unique_ptr<Toolkit> m_toolkit;
    std::unique_ptr<RecordingForm> m_form;
};

void ToolkitTest::initTestCase_data() {
    QTest::addColumn<bool>("qt");
    QTest::newRow("in memory") << false;
    QTest::newRow("Qt") << true;
}

bool ToolkitTest::onQt() const {
    QFETCH_GLOBAL(bool, qt);
    return qt;
}

void ToolkitTest::init() {
    if (onQt()) {
        m_toolkit = std::make_unique<QtToolkit>();
    } else {
        m_toolkit = std::make_unique<HeadlessToolkit>();
    }
    m_form = std::make_unique<RecordingForm>(*m_toolkit);
    m_toolkit->show(*m_form);
}

// The window goes before its form.
void ToolkitTest::cleanup() {
    m_toolkit->discard(*m_form);
    m_form.reset();
    m_toolkit.reset();
}

void ToolkitTest::writeRunsTheChangeRuleInsideTheWriteAndOnlyOnAChange() {
    QCOMPARE(m_toolkit->readBox(*m_form, Text1), std::string("départ"));
    m_toolkit->writeBox(*m_form, Text1, "départ");
    QVERIFY(m_form->events.empty());
    m_toolkit->writeBox(*m_form, Text1, "1,5");
    QCOMPARE(m_form->events, std::vector<std::string>{"Text1=1,5"});
    m_toolkit->writeBox(*m_form, Text1, "1,5");
    m_toolkit->writeBox(*m_form, Text2, "");
    QCOMPARE(m_form->events, std::vector<std::string>{"Text1=1,5"});
    m_toolkit->writeBox(*m_form, Text1, "");
    QCOMPARE(m_form->events, (std::vector<std::string>{"Text1=1,5", "Text1="}));
}

void ToolkitTest::hiddenWindowKeepsItsTextsAndADiscardedOneStartsAnew() {
    QVERIFY(m_toolkit->exists(*m_form));
    QVERIFY(m_toolkit->isVisible(*m_form));
    m_toolkit->writeBox(*m_form, Text2, "7000");
    m_toolkit->hide(*m_form);
    QVERIFY(m_toolkit->exists(*m_form));
    QVERIFY(!m_toolkit->isVisible(*m_form));
    m_toolkit->show(*m_form);
    QVERIFY(m_toolkit->isVisible(*m_form));
    QCOMPARE(m_toolkit->readBox(*m_form, Text2), std::string("7000"));
    m_form->events.clear();
    m_toolkit->discard(*m_form);
    QVERIFY(!m_toolkit->exists(*m_form));
    // A user's act that comes for a discarded window (from its widgets on their way out) reaches
    // nothing.
    m_toolkit->userClicks(*m_form, Command1);
    m_toolkit->userEditsBox(*m_form, Text2);
    QVERIFY(m_form->events.empty());
    m_toolkit->show(*m_form);
    QCOMPARE(m_toolkit->readBox(*m_form, Text2), std::string());
    QCOMPARE(m_toolkit->readBox(*m_form, Text1), std::string("départ"));
}

// On Qt the user reads the box, tries the window's button behind it, and presses OK; nothing
// reaches the window while the box is open. The in-memory box is closed as soon as it opens.
void ToolkitTest::messageBoxIsModalAndReturnsOnceClosed() {
    QString shown;
    bool modal = false;
    // A click on the window's button through the window system, as a user's click comes, so
    // that modality applies.
    auto clickTheWindowsButton = [this] {
        FormWindow* window = static_cast<QtToolkit&>(*m_toolkit).window(*m_form);
        auto* button = window->findChild<QPushButton*>("Command1");
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                          button->mapTo(window, button->rect().center()));
    };
    if (onQt()) {
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) {
                return;
            }
            shown = box->text();
            modal = box->isModal();
            clickTheWindowsButton();
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        });
    } else {
        static_cast<HeadlessToolkit&>(*m_toolkit).setMessageListener([&](std::string_view text) {
            shown = QString::fromUtf8(text.data(), qsizetype(text.size()));
            modal = true;
        });
    }
    m_toolkit->messageBox("Erreur - Valeurs hors limites - Recommencez");
    QCOMPARE(shown, QString("Erreur - Valeurs hors limites - Recommencez"));
    QVERIFY(modal);
    QVERIFY(m_form->events.empty());
    if (onQt()) {
        clickTheWindowsButton();
        QCOMPARE(m_form->events, std::vector<std::string>{"Command1"});
    }
}

// Positions in form units of 1/1440 inch; at 96 DPI a pixel is 15 of them.
void ToolkitTest::placementAndTabOrderFollowTheDescription() {
    if (!onQt()) {
        QSKIP("the in-memory toolkit has neither geometry nor focus");
    }
    FormWindow* window = static_cast<QtToolkit&>(*m_toolkit).window(*m_form);
    QCOMPARE(QGuiApplication::primaryScreen()->logicalDotsPerInch(), 96.0);
    QWidget* client = window->centralWidget();
    QCOMPARE(client->mapToGlobal(QPoint(0, 0)), QPoint(96, 48));
    QCOMPARE(client->size(), QSize(192, 96));
    QCOMPARE(window->box(Text1)->geometry(), QRect(8, 8, 100, 20));
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QStringList order{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(order, (QStringList{"Text2", "Command1", "Text1", "Text2"}));
}

// A box the window lacks is a fault of the program: the run stops (in a child process here).
void ToolkitTest::anUnknownBoxStopsTheRun() {
    for (bool write : {false, true}) {
        const pid_t child = fork();
        if (child == 0) {
            if (write) {
                m_toolkit->writeBox(*m_form, BoxName{"Text9"}, "1");
            } else {
                m_toolkit->readBox(*m_form, BoxName{"Text9"});
            }
            _exit(0);
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFSIGNALED(status));
        QCOMPARE(WTERMSIG(status), SIGABRT);
    }
}

// The user types over the selected "1" of "1,5" with a "1" (in memory, pastes "1,5" over it):
// the box reports an edit, but the text is the one the change rule last saw.
void ToolkitTest::aUsersEditRunsTheChangeRuleOnlyOnAChange() {
    m_toolkit->writeBox(*m_form, Text1, "1,5");
    m_form->events.clear();
    if (onQt()) {
        QLineEdit& edit = static_cast<QtToolkit&>(*m_toolkit).boxIn(*m_form, Text1);
        edit.setSelection(0, 1);
        QTest::keyClicks(&edit, "1");
        QTest::keyClicks(&edit, "2");
    } else {
        auto& inMemory = static_cast<HeadlessToolkit&>(*m_toolkit);
        inMemory.paste(*m_form, Text1, "1,5");
        inMemory.paste(*m_form, Text1, "12,5");
    }
    m_toolkit->userEditsBox(*m_form, Text1);
    QCOMPARE(m_form->events, std::vector<std::string>{"Text1=12,5"});
}

// Once the program has ended, no write, message, show or user's act reaches the form; a message
// box that opened anyway would be closed and counted.
void ToolkitTest::nothingReachesTheFormAfterTheEnd() {
    int messages = 0;
    if (onQt()) {
        QTimer::singleShot(0, this, [&messages] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                ++messages;
                box->accept();
            }
        });
    } else {
        static_cast<HeadlessToolkit&>(*m_toolkit).setMessageListener([&messages](std::string_view) {
            ++messages;
        });
    }
    m_toolkit->endProgram();
    QVERIFY(m_toolkit->hasEnded());
    m_toolkit->writeBox(*m_form, Text1, "3");
    m_toolkit->messageBox("Erreur - Valeurs hors limites - Recommencez");
    m_toolkit->show(*m_form);
    m_toolkit->userClicks(*m_form, Command1);
    m_toolkit->userEditsBox(*m_form, Text1);
    m_toolkit->userClosesWindow(*m_form);
    m_toolkit->endProgram();
    QTest::qWait(0);
    QVERIFY(m_form->events.empty());
    QCOMPARE(messages, 0);
    QCOMPARE(m_toolkit->readBox(*m_form, Text1), std::string("départ"));
}

std::string ToolkitTest::focused() const {
    if (onQt()) {
        QWidget* widget = static_cast<QtToolkit&>(*m_toolkit).window(*m_form)->focusWidget();
        return widget != nullptr ? widget->objectName().toStdString() : std::string();
    }
    return static_cast<HeadlessToolkit&>(*m_toolkit).focusedControl(*m_form);
}

// Built, or shown again after it was hidden, the window has the focus in its first control in
// tab order (Text2); shown while visible, it keeps the focus where it was.
void ToolkitTest::aWindowShownAnewFocusesItsFirstControl() {
    QCOMPARE(focused(), std::string("Text2"));
    m_toolkit->focusBox(*m_form, Text1);
    m_toolkit->show(*m_form);
    QCOMPARE(focused(), std::string("Text1"));
    m_toolkit->hide(*m_form);
    m_toolkit->show(*m_form);
    QCOMPARE(focused(), std::string("Text2"));
}

QTEST_MAIN(ToolkitTest)
#include "test_toolkit.moc"
