#include "CalculatorFrame.h"

#include "ReadStep.h"
#include "quantities/BoxReading.h"
#include "quantities/NumberText.h"
#include "quantities/ValueRules.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace formules {

CalculatorFrame::CalculatorFrame(const FrameConfiguration& configuration, FormContext& context)
    : m_configuration(configuration), m_context(context) {}

// A "Calcul" that wrote its result has the calculation shown, which its address names; one that
// did not leaves the address as it was, unless a message cleared the window.
void CalculatorFrame::click(std::string_view control) {
    if (control == CalculatorButtons::Command1) {
        m_resultWritten = false;
        Command1_Click();
        if (m_resultWritten) {
            m_context.navigator.calculationShown(description().id, givenTexts());
        }
    } else if (control == CalculatorButtons::Command2) {
        Command2_Click();
    } else if (control == CalculatorButtons::Command3) {
        Command3_Click();
    }
}

// The change rule: the box's whole text, exactly as it stands, becomes its quantity's Text. Any
// change empties the design help, which spoke of the values before it.
void CalculatorFrame::change(std::string_view box) {
    clearHelp();
    for (const DataBox& data : m_configuration.dataBoxes) {
        if (box == data.box && data.quantity != nullptr) {
            quantities().*data.quantity = EntryValue::text(readBox(data.box));
        }
    }
}

// "Menu": back to the main window, then the same clearing as "Effacer" on a hidden window.
void CalculatorFrame::Command2_Click() {
    m_context.navigator.show(FormId::Form1);
    m_context.toolkit.hide(*this);
    clearWindow();
}

// "Effacer": the window stays shown.
void CalculatorFrame::Command3_Click() {
    clearWindow();
}

// The boxes are cleared in the configured order, each running its change rule when it held
// text; then every quantity the window feeds is blanked, so that a quantity whose box was
// already empty (a value typed in another window) cannot make the next "Calcul" refuse the
// values the user types here.
void CalculatorFrame::clearWindow() {
    clearHelp();
    m_lastResult.reset();
    m_context.navigator.calculationCleared(description().id);
    for (BoxName box : m_configuration.clearOrder) {
        clearBox(box);
    }
    for (const DataBox& data : m_configuration.dataBoxes) {
        if (data.quantity != nullptr) {
            quantities().*data.quantity = EntryValue::emptyText();
        }
    }
}

std::string CalculatorFrame::readBox(BoxName box) const {
    return m_context.toolkit.readBox(*this, box);
}

void CalculatorFrame::writeBox(BoxName box, std::string_view text) {
    m_context.toolkit.writeBox(*this, box, text);
}

void CalculatorFrame::clearBoxes(std::initializer_list<BoxName> boxes) {
    for (BoxName box : boxes) {
        clearBox(box);
    }
}

const DataBox* CalculatorFrame::dataBoxNamed(std::string_view box) const {
    for (const DataBox& data : m_configuration.dataBoxes) {
        if (data.box.name == box) {
            return &data;
        }
    }
    return nullptr;
}

Unit CalculatorFrame::unitOfBox(BoxName box) const {
    const DataBox* data = dataBoxNamed(box);
    return data != nullptr ? unitOf(*data) : Unit::None;
}

bool CalculatorFrame::holdsLastResult(BoxName box) const {
    return m_lastResult && m_lastResult->box.name == box.name && m_lastResult->text == readBox(box);
}

double CalculatorFrame::readNumber(BoxName box) const {
    const ResultsWritten written = resultsWrittenWith(m_context.toolkit.decimalSeparator());
    return readBoxText(readBox(box), unitOfBox(box), written).value.value_or(0.0);
}

bool CalculatorFrame::understood(std::initializer_list<BoxName> boxes) {
    m_readLine.clear();
    std::vector<std::string> entries;
    if (!readInTabOrder(boxes, entries)) {
        return false;
    }
    const std::size_t count = entries.size();
    if (count > 0 && count <= std::size(kReadPhrases)) {
        m_readLine = filled(kReadPhrases[count - 1], entries);
    }
    return true;
}

bool CalculatorFrame::readInTabOrder(std::initializer_list<BoxName> boxes,
                                     std::vector<std::string>& entries) {
    for (const ControlDescription* control : tabOrder(description())) {
        for (BoxName box : boxes) {
            if (control->name != box.name) {
                continue;
            }
            const std::string text = readBox(box);
            const std::optional<bool> ownReading = understoodByWindow(box, text);
            const ReadFindings findings =
                ownReading
                    ? ReadFindings{}
                    : readStep({{box, text, unitOfBox(box)}}, m_context.toolkit.decimalSeparator());
            if ((ownReading && !*ownReading) || findings.notUnderstood) {
                reportNotUnderstood(dataBoxOf(box), text);
                return false;
            }
            entries.insert(entries.end(), findings.entries.begin(), findings.entries.end());
        }
    }
    return true;
}

std::optional<bool> CalculatorFrame::understoodByWindow(BoxName, std::string_view) const {
    return std::nullopt;
}

// The box keeps its text and its quantity; the user mends it where the focus is.
void CalculatorFrame::reportNotUnderstood(const DataBox& data, const std::string& text) {
    report(filled(kNotUnderstoodMessage,
                  {quotedText(text), m_context.toolkit.translated(wordOf(data))}));
    m_context.toolkit.focusBox(*this, data.box);
}

void CalculatorFrame::writeResult(BoxName box, const EntryValue& quantity) {
    writeResultText(box, textOfNumber(operandOf(quantity), m_context.toolkit.decimalSeparator()));
}

void CalculatorFrame::writeResultText(BoxName box, const std::string& text) {
    writeBox(box, text);
    m_lastResult = WrittenResult{box, text};
    m_resultWritten = true;
}

std::vector<std::pair<BoxName, std::string>> CalculatorFrame::givenTexts() const {
    std::vector<std::pair<BoxName, std::string>> texts;
    for (const DataBox& data : m_configuration.dataBoxes) {
        std::string text = readBox(data.box);
        if (!text.empty() && !holdsLastResult(data.box)) {
            texts.emplace_back(data.box, std::move(text));
        }
    }
    return texts;
}

double CalculatorFrame::readInto(Quantity quantity) {
    const double number = readNumber(dataBoxOf(quantity).box);
    quantities().*quantity = EntryValue::number(number);
    return number;
}

// A table without the box or phrase a handler asks for is a fault of the program, which a test of
// that window finds at once: the run stops, naming the window.
void CalculatorFrame::notInTable(const char* what) const {
    std::fprintf(stderr, "calculator frame: no %s in the window \"%s\"\n", what,
                 description().caption.c_str());
    std::abort();
}

const DataBox& CalculatorFrame::dataBoxOf(BoxName box) const {
    if (const DataBox* data = dataBoxNamed(box)) {
        return *data;
    }
    notInTable("data box of that name");
}

const DataBox& CalculatorFrame::dataBoxOf(Quantity quantity) const {
    for (const DataBox& data : m_configuration.dataBoxes) {
        if (data.quantity == quantity) {
            return data;
        }
    }
    notInTable("data box for that quantity");
}

const DataBox& CalculatorFrame::resultBox() const {
    for (const DataBox& data : m_configuration.dataBoxes) {
        if (data.role == BoxRole::Result) {
            return data;
        }
    }
    notInTable("result box");
}

void CalculatorFrame::report(std::string_view message) {
    clearHelp();
    m_context.toolkit.messageBox(message);
}

void CalculatorFrame::reportAndClear(std::string_view message,
                                     std::initializer_list<BoxName> boxes) {
    report(message);
    m_lastResult.reset();
    m_context.navigator.calculationCleared(description().id);
    clearBoxes(boxes);
}

} // namespace formules
