// Whole user sessions on the headless program: the bytes decode into shows, clicks, typing,
// erasing, pasting and closing (see SessionEncoding.h). After every event the program must
// still hold together: no box the program wrote shows inf or nan, every message is one of the
// program's own, the quantity of a box the user just edited holds that box's text, an Integer
// quantity holds only 0, and no Double is infinite or NaN.
//
// The design help of a window shows no inf or nan; it is empty after an edit of one of its
// boxes and after a click that showed a message. A text not understood leaves every input box
// as it was, the focus in one of them. A "Calcul" that showed no message, pressed again, shows
// none and leaves every box and the help as they were.
//
// After the session, a user goes to one calculator, empties its data boxes, types values that
// its instruction asks for and presses "Calcul": the result must come on the first try,
// whatever the other windows hold, with the design help of a window that has one, which a
// keystroke then takes away. The windows, their boxes and the boxes' roles all come from
// the registry of windows.
#include "SessionEncoding.h"
#include "calculators/CalculatorFrame.h"
#include "quantities/ValueRules.h"
#include "shell/Application.h"
#include "shell/HeadlessToolkit.h"
#include "shell/Windows.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <map>
#include <numeric>
#include <string>

using namespace formules;

namespace {

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// The messages the program may show: the out-of-range message and each calculator's prompt,
// and a text not understood, quoted and named by its quantity.
bool isNotUnderstoodMessage(const std::string& message) {
    const std::string_view pattern = kNotUnderstoodMessage;
    const std::string_view opening = pattern.substr(0, pattern.find("%1"));
    if (message.compare(0, opening.size(), opening) != 0) {
        return false;
    }
    for (const WindowRow& row : windows()) {
        for (const DataBox& data :
             row.isCalculator() ? row.frame().dataBoxes : std::vector<DataBox>()) {
            const std::string closing = "» (" + std::string(wordOf(data)) + ")";
            if (message.size() >= closing.size() &&
                message.compare(message.size() - closing.size(), closing.size(), closing) == 0) {
                return true;
            }
        }
    }
    return false;
}

std::vector<std::string> allowedMessages() {
    std::vector<std::string> messages{kOutOfRangeMessage};
    for (const WindowRow& row : windows()) {
        if (row.isCalculator()) {
            messages.emplace_back(row.frame().promptMessage);
        }
    }
    return messages;
}

bool isCalculator(FormId id) {
    return windowRow(id).isCalculator();
}

// What a user types to get a result from a calculator: into each box its instruction asks for
// (every input; in the resonance and toroid windows two of the three), the text of the window's
// example for that box, or "1", the result showing in the box left for it.
struct Attempt {
    FormId form;
    std::vector<BoxName> typed;
    BoxName result;
};

Attempt attemptOn(const WindowRow& row, std::uint8_t choice) {
    Attempt attempt{row.id, {}, {}};
    std::vector<BoxName> either;
    for (const DataBox& data : row.frame().dataBoxes) {
        if (data.role == BoxRole::Input) {
            attempt.typed.push_back(data.box);
        } else if (data.role == BoxRole::Result) {
            attempt.result = data.box;
        } else if (data.role == BoxRole::InputOrResult) {
            either.push_back(data.box);
        }
    }
    if (!either.empty()) {
        const std::size_t solved = choice % either.size();
        attempt.result = either[solved];
        for (std::size_t i = 0; i < either.size(); ++i) {
            if (i != solved) {
                attempt.typed.push_back(either[i]);
            }
        }
    }
    return attempt;
}

// A figure written as inf or nan: a word of its own, in any case ("résonance" holds "nan").
bool showsInfinityOrNan(const std::string& text) {
    std::string word;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const unsigned char c = i < text.size() ? static_cast<unsigned char>(text[i]) : ' ';
        if (std::isalpha(c) || c >= 0x80) {
            word += char(std::tolower(c));
            continue;
        }
        if (word == "inf" || word == "infinity" || word == "nan") {
            return true;
        }
        word.clear();
    }
    return false;
}

class Session {
public:
    Session(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {
        m_application.start();
    }

    void run() {
        while (m_position < m_size && !m_toolkit.hasEnded()) {
            step();
            checkQuantities();
            checkMessages();
        }
        if (!m_toolkit.hasEnded()) {
            std::vector<const WindowRow*> calculators;
            for (const WindowRow& row : windows()) {
                if (row.isCalculator()) {
                    calculators.push_back(&row);
                }
            }
            // The session's bytes are all used by now: the calculator and the box it solves for
            // are chosen from their sum, so that every calculator is tried.
            const std::size_t sum = std::accumulate(m_data, m_data + m_size, std::size_t(0));
            const WindowRow& calculator = *calculators[sum % calculators.size()];
            checkAResultComes(attemptOn(calculator, std::uint8_t(sum / calculators.size())));
        }
    }

private:
    std::uint8_t next() { return m_position < m_size ? m_data[m_position++] : 0; }
    std::string nextText() {
        const std::size_t length = next();
        const std::size_t available = std::min(length, m_size - m_position);
        std::string text(reinterpret_cast<const char*>(m_data + m_position), available);
        m_position += available;
        return text;
    }

    using Boxes = std::map<std::pair<FormId, std::string>, std::string>;

    Boxes snapshot() const {
        Boxes boxes;
        for (const WindowRow& row : windows()) {
            if (const Form* form = m_application.find(row.id)) {
                for (const auto& [name, text] : m_toolkit.boxes(*form)) {
                    boxes[{row.id, name}] = text;
                }
            }
        }
        return boxes;
    }

    // The text of the window's design help; empty for a window without one.
    std::string helpOf(FormId id, const Form& form) const {
        const WindowRow& row = windowRow(id);
        if (!row.isCalculator() || !row.frame().helpLabel) {
            return std::string();
        }
        return m_toolkit.readText(form, *row.frame().helpLabel);
    }

    void step();
    void edit(SessionOp op, FormId id, Form& form);
    void checkWrittenBoxes(const Boxes& before);
    void checkSecondCalcul(FormId id, Form& form);
    void checkInputsKept(FormId id, const Form& form, const Boxes& before);
    void checkEditedBox(FormId id, const Form& form, const std::string& box);
    void checkQuantities();
    void checkMessages();
    void checkAResultComes(const Attempt& attempt);
    bool triesForAResult(const Attempt& attempt);

    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_position = 0;
    std::size_t m_messagesChecked = 0;
    HeadlessToolkit m_toolkit;
    Application m_application{m_toolkit};
};

void Session::step() {
    const auto op = static_cast<SessionOp>(next() % std::uint8_t(SessionOp::Count));
    const auto id = static_cast<FormId>(next() % windows().size());
    if (op == SessionOp::Show) {
        m_application.show(id);
        return;
    }
    Form* form = m_application.find(id);
    const bool visible = form != nullptr && m_toolkit.isVisible(*form);
    if (op == SessionOp::Close) {
        if (visible) {
            m_application.close(id);
        }
        return;
    }
    if (op == SessionOp::Click) {
        const std::uint8_t choice = next();
        if (!visible) {
            return;
        }
        const auto clickables = clickablesOf(form->description());
        const Boxes before = snapshot();
        const std::size_t messages = m_toolkit.messages().size();
        m_toolkit.click(*form, clickables[choice % clickables.size()]);
        checkWrittenBoxes(before);
        if (m_toolkit.messages().size() > messages &&
            isNotUnderstoodMessage(m_toolkit.messages().back())) {
            checkInputsKept(id, *form, before);
        }
        const std::string help = helpOf(id, *form);
        check(!showsInfinityOrNan(help));
        check(m_toolkit.messages().size() == messages || help.empty());
        if (m_toolkit.messages().size() == messages && isCalculator(id) &&
            clickables[choice % clickables.size()] == CalculatorButtons::Command1.name) {
            checkSecondCalcul(id, *form);
        }
        return;
    }
    if (!visible) {
        return;
    }
    edit(op, id, *form);
}

void Session::edit(SessionOp op, FormId id, Form& form) {
    const auto boxes = textBoxesOf(form.description());
    const std::uint8_t choice = next();
    if (boxes.empty()) {
        return;
    }
    const std::string& box = boxes[choice % boxes.size()];
    const std::string before = m_toolkit.readBox(form, box);
    if (op == SessionOp::Type) {
        m_toolkit.type(form, box, nextText());
    } else if (op == SessionOp::Paste) {
        m_toolkit.writeBox(form, box, nextText());
    } else {
        m_toolkit.erase(form, box, next() % 8);
    }
    if (m_toolkit.readBox(form, box) != before) {
        checkEditedBox(id, form, box);
        check(helpOf(id, form).empty());
    }
}

// A "Calcul" that showed no message, pressed again at once, shows none either and leaves every
// box and the design help as they were: a double click is harmless.
void Session::checkSecondCalcul(FormId id, Form& form) {
    const Boxes before = snapshot();
    const std::string help = helpOf(id, form);
    const std::size_t messages = m_toolkit.messages().size();
    m_toolkit.click(form, CalculatorButtons::Command1);
    check(m_toolkit.messages().size() == messages);
    check(snapshot() == before);
    check(helpOf(id, form) == help);
}

// A box that a click changed was written by the program.
void Session::checkWrittenBoxes(const Boxes& before) {
    for (const auto& [key, text] : snapshot()) {
        const auto old = before.find(key);
        if (old == before.end() || old->second != text) {
            check(!showsInfinityOrNan(text));
        }
    }
}

// A text not understood is named and kept to mend: no input box of the window changed, and the
// focus is in one of them.
void Session::checkInputsKept(FormId id, const Form& form, const Boxes& before) {
    const Boxes after = snapshot();
    for (const DataBox& data : windowRow(id).frame().dataBoxes) {
        if (data.role == BoxRole::Input) {
            const std::pair<FormId, std::string> key{id, std::string(data.box)};
            check(after.at(key) == before.at(key));
        }
    }
    const std::string focused = m_toolkit.focusedControl(form);
    check(!focused.empty());
    check(after.at({id, focused}) == before.at({id, focused}));
}

// The change rule ran on the edit: the box's quantity holds the box's text.
void Session::checkEditedBox(FormId id, const Form& form, const std::string& box) {
    if (!isCalculator(id)) {
        return;
    }
    for (const DataBox& data : windowRow(id).frame().dataBoxes) {
        if (std::string_view(box) == data.box && data.quantity != nullptr) {
            const EntryValue& quantity = m_application.quantities().*data.quantity;
            check(quantity == EntryValue::text(m_toolkit.readBox(form, box)));
        }
    }
}

void Session::checkQuantities() {
    for (const QuantityName& name : kQuantityNames) {
        const EntryValue& value = m_application.quantities().*name.field;
        if (value.kind() == EntryValue::Kind::Integer) {
            check(value.asInteger() == 0);
        }
        if (value.kind() == EntryValue::Kind::Double) {
            check(std::isfinite(value.asDouble()));
        }
    }
}

void Session::checkMessages() {
    const auto& messages = m_toolkit.messages();
    for (; m_messagesChecked < messages.size(); ++m_messagesChecked) {
        const std::string& message = messages[m_messagesChecked];
        static const std::vector<std::string> kMessages = allowedMessages();
        check(std::find(kMessages.begin(), kMessages.end(), message) != kMessages.end() ||
              isNotUnderstoodMessage(message));
    }
}

// Typing into a box after the result takes the design help away.
void Session::checkAResultComes(const Attempt& attempt) {
    check(triesForAResult(attempt));
    Form& form = *m_application.find(attempt.form);
    m_toolkit.type(form, attempt.typed.front(), "0");
    check(helpOf(attempt.form, form).empty());
}

// The user opens the calculator from the main window, empties its data boxes with Backspace,
// types the entries and presses "Calcul"; true when the result shows without a message.
bool Session::triesForAResult(const Attempt& attempt) {
    m_application.show(attempt.form);
    Form& form = *m_application.find(attempt.form);
    for (const DataBox& data : windowRow(attempt.form).frame().dataBoxes) {
        m_toolkit.erase(form, data.box, unsigned(m_toolkit.readBox(form, data.box).size()));
    }
    for (BoxName box : attempt.typed) {
        std::string_view text = "1";
        for (const TypedText& typed : windowRow(attempt.form).example.typed) {
            if (typed.box == box.name) {
                text = typed.text;
            }
        }
        m_toolkit.type(form, box, text);
    }
    const std::size_t messages = m_toolkit.messages().size();
    m_toolkit.click(form, CalculatorButtons::Command1);
    checkMessages();
    // A window whose help has lines of its own shows them; the reactance windows' help says only
    // what was read through units or codes, which "1" is not.
    const FrameConfiguration& frame = windowRow(attempt.form).frame();
    const bool helps =
        !frame.helpLabel || frame.helpPhrases.empty() || !helpOf(attempt.form, form).empty();
    return m_toolkit.messages().size() == messages &&
           !m_toolkit.readBox(form, attempt.result).empty() && helps;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Session session(data, size);
    session.run();
    return 0;
}
