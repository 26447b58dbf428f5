#include "ReplayDriver.h"

#include "ScriptSyntax.h"
#include "quantities/DecimalText.h"
#include "quantities/NumberText.h"
#include "quantities/NumericValue.h"
#include "shell/Application.h"
#include "shell/Windows.h"

#include <algorithm>
#include <charconv>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace formules {

namespace {

std::string describe(const EntryValue& value) {
    switch (value.kind()) {
    case EntryValue::Kind::Empty:
        return "Empty";
    case EntryValue::Kind::Integer:
        return "Integer " + std::to_string(value.asInteger());
    case EntryValue::Kind::Double:
        return "Double " + shortestText(value.asDouble());
    case EntryValue::Kind::Text:
        return "Text " + quoted(value.asText());
    }
    return std::string();
}

class Replay {
public:
    Replay(std::ostream& transcript, ReplayUser& user)
        : m_out(transcript), m_user(user), m_application(user.toolkit()) {
        // Numbers are written with a period until the script asks otherwise, on every toolkit
        // and whatever the locale of the machine that runs it.
        toolkit().setDecimalSeparator(".");
        m_user.setMessageListener(
            [this](std::string_view text) { m_out << "message " << quoted(text) << '\n'; });
        m_application.start();
    }

    // Runs one line; returns the reason when the line is bad.
    std::string run(std::string_view line);

private:
    std::string runCommand(const std::string& command, const Words& words);
    std::string runWindowCommand(const std::string& command, const std::string& window);
    std::string runEdit(const std::string& command, const std::string& target,
                        const std::string& argument);
    std::string findWindow(std::string_view name, Form*& form, bool mustBeVisible);
    std::string findControl(std::string_view target, Form*& form, std::string& control,
                            bool textBox);
    std::string read(const std::string& target);
    void dump();
    void number(std::string_view text);

    Toolkit& toolkit() { return m_user.toolkit(); }

    std::ostream& m_out;
    ReplayUser& m_user;
    Application m_application;
};

std::string Replay::run(std::string_view line) {
    const Words words = split(line);
    if (!words.error.empty()) {
        return words.error;
    }
    if (words.words.empty()) {
        return std::string();
    }
    return runCommand(words.words[0], words);
}

std::string Replay::runCommand(const std::string& command, const Words& words) {
    const std::size_t arguments = words.words.size() - 1;
    auto isText = [&](std::size_t i) { return i < words.words.size() && words.wasQuoted[i]; };
    if (command == "dump" && arguments == 0) {
        dump();
        return std::string();
    }
    if (command == "number" && arguments == 1 && isText(1)) {
        number(words.words[1]);
        return std::string();
    }
    if (command == "decimal" && arguments == 1 && isText(1)) {
        toolkit().setDecimalSeparator(words.words[1]);
        return std::string();
    }
    if (command == "read" && arguments == 1 && !isText(1)) {
        return read(words.words[1]);
    }
    if (command == "address" && arguments == 0) {
        m_out << "address " << quoted(m_application.address()) << '\n';
        return std::string();
    }
    const bool userEvent = command == "show" || command == "click" || command == "close" ||
                           command == "type" || command == "erase" || command == "paste" ||
                           command == "open";
    if (!userEvent) {
        return "bad command";
    }
    if (toolkit().hasEnded()) {
        return "the program has ended";
    }
    if ((command == "show" || command == "close") && arguments == 1 && !isText(1)) {
        return runWindowCommand(command, words.words[1]);
    }
    if (command == "open" && arguments == 1 && isText(1)) {
        m_user.beforeShowing();
        m_application.openAddress(words.words[1]);
        return std::string();
    }
    if (command == "click" && arguments == 1 && !isText(1)) {
        Form* form = nullptr;
        std::string control;
        const std::string error = findControl(words.words[1], form, control, false);
        if (error.empty()) {
            m_user.click(*form, control);
        }
        return error;
    }
    const bool typing = command != "erase" && arguments == 2 && isText(2);
    const bool erasing = command == "erase" && arguments == 2 && !isText(2);
    if ((typing || erasing) && !isText(1)) {
        return runEdit(command, words.words[1], words.words[2]);
    }
    return "bad command";
}

std::string Replay::runWindowCommand(const std::string& command, const std::string& window) {
    const auto id = formNamed(window);
    if (!id) {
        return "unknown window " + window;
    }
    if (command == "show") {
        m_user.beforeShowing();
        m_application.show(*id);
        return std::string();
    }
    Form* form = nullptr;
    const std::string error = findWindow(window, form, true);
    if (error.empty()) {
        m_user.close(*form);
    }
    return error;
}

std::string Replay::runEdit(const std::string& command, const std::string& target,
                            const std::string& argument) {
    Form* form = nullptr;
    std::string box;
    const std::string error = findControl(target, form, box, true);
    if (!error.empty()) {
        return error;
    }
    if (command == "type") {
        m_user.type(*form, box, argument);
    } else if (command == "paste") {
        m_user.paste(*form, box, argument);
    } else {
        unsigned count = 0;
        const auto parsed =
            std::from_chars(argument.data(), argument.data() + argument.size(), count);
        if (parsed.ec != std::errc() || parsed.ptr != argument.data() + argument.size()) {
            return "bad count " + argument;
        }
        m_user.erase(*form, box, count);
    }
    return std::string();
}

std::string Replay::findWindow(std::string_view name, Form*& form, bool mustBeVisible) {
    const auto id = formNamed(name);
    if (!id) {
        return "unknown window " + std::string(name);
    }
    form = m_application.find(*id);
    if (form == nullptr || (mustBeVisible && !toolkit().isVisible(*form))) {
        return std::string(name) + " is not visible";
    }
    return std::string();
}

std::string Replay::findControl(std::string_view target, Form*& form, std::string& control,
                                bool textBox) {
    const auto dot = target.find('.');
    if (dot == std::string_view::npos) {
        return "expected FormN.Name, not " + std::string(target);
    }
    const std::string error = findWindow(target.substr(0, dot), form, true);
    if (!error.empty()) {
        return error;
    }
    control = std::string(target.substr(dot + 1));
    const FormDescription& description = form->description();
    if (textBox) {
        return description.hasTextBox(control) ? std::string()
                                               : "no text box " + std::string(target);
    }
    return description.hasClickable(control) ? std::string()
                                             : "no button or menu entry " + std::string(target);
}

std::string Replay::read(const std::string& target) {
    const auto dot = target.find('.');
    Form* form = nullptr;
    const std::string error = findWindow(target.substr(0, dot), form, true);
    if (!error.empty()) {
        return error;
    }
    const std::string control = dot == std::string::npos ? std::string() : target.substr(dot + 1);
    if (!control.empty() && form->description().control(control) == nullptr) {
        return "no control " + target;
    }
    m_out << "text " << quoted(m_user.read(*form, control)) << '\n';
    return std::string();
}

// The boxes are read from the windows, in the order of their names.
void Replay::dump() {
    if (toolkit().hasEnded()) {
        m_out << "ended\n";
        return;
    }
    m_out << "quantities\n";
    for (const QuantityName& quantity : kQuantityNames) {
        m_out << "  " << quantity.name << ' '
              << describe(m_application.quantities().*quantity.field) << '\n';
    }
    for (const WindowRow& row : windows()) {
        const FormId id = row.id;
        const Form* form = m_application.find(id);
        if (form == nullptr || !toolkit().exists(*form)) {
            continue;
        }
        m_out << nameOf(id) << (toolkit().isVisible(*form) ? " visible\n" : " hidden\n");
        std::vector<std::string> boxes;
        for (const ControlDescription& control : form->description().controls) {
            if (control.kind == ControlKind::TextBox) {
                boxes.push_back(control.name);
            }
        }
        std::sort(boxes.begin(), boxes.end());
        for (const std::string& box : boxes) {
            m_out << "  " << box << ' ' << quoted(toolkit().readBox(*form, box)) << '\n';
        }
    }
}

void Replay::number(std::string_view text) {
    const std::optional<double> value = numericValue(text);
    if (!value) {
        m_out << "number beyond\n";
        return;
    }
    m_out << "number " << shortestText(*value) << ' '
          << quoted(textOfNumber(*value, toolkit().decimalSeparator())) << '\n';
}

} // namespace

int runReplay(std::istream& script, std::ostream& transcript, ReplayUser& user) {
    Replay replay(transcript, user);
    int status = 0;
    std::string line;
    for (int lineNumber = 1; std::getline(script, line); ++lineNumber) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        const auto first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#') {
            continue;
        }
        const std::string error = replay.run(line);
        if (!error.empty()) {
            transcript << "error " << lineNumber << ": " << error << '\n';
            status = 1;
        }
    }
    transcript.flush();
    return status;
}

} // namespace formules
