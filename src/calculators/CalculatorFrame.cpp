#include "CalculatorFrame.h"

#include "quantities/NumberText.h"
#include "quantities/NumericValue.h"
#include "quantities/ValueRules.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

using Q = SharedQuantities;

// The frames of the five calculator windows.
const std::array<FrameConfiguration, 5> kFrames{{
    {FormId::Form4,
     {{"Text1", &Q::capacite}, {"Text2", &Q::frequence}, {"Text3", &Q::inductance}},
     {"Text2", "Text1", "Text3"}},
    {FormId::Form2,
     {{"Text1", &Q::frequence}, {"Text2", &Q::inductance}, {"Text3", &Q::XL}},
     {"Text2", "Text1", "Text3"}},
    {FormId::Form3,
     {{"Text1", &Q::frequence}, {"Text2", &Q::capacite}, {"Text3", &Q::XC}},
     {"Text2", "Text1", "Text3"}},
    {FormId::Form5,
     {{"Text1", &Q::inductance},
      {"Text2", &Q::diametre},
      {"Text3", &Q::longueur},
      {"Text5", &Q::NbreSp}},
     {"Text2", "Text1", "Text3", "Text5"}},
    {FormId::Form6,
     {{"Text1", &Q::diametre},
      {"Text2", &Q::longueur},
      {"Text3", &Q::NbreSp},
      {"Text5", &Q::inductance}},
     {"Text2", "Text1", "Text3", "Text5"}},
}};

} // namespace

ControlDescription dataBox(std::string name, FormRect rect, int tabIndex, std::string announced) {
    return textBox(std::move(name), std::string(), rect, tabIndex)
        .announcedAs(std::move(announced))
        .withEnterClicking("Command1");
}

const FrameConfiguration& frameConfiguration(FormId form) {
    const auto found = std::find_if(kFrames.begin(), kFrames.end(),
                                    [form](const FrameConfiguration& f) { return f.form == form; });
    return found != kFrames.end() ? *found : kFrames.front();
}

CalculatorFrame::CalculatorFrame(FormId form, FormContext& context)
    : m_configuration(frameConfiguration(form)), m_context(context) {}

void CalculatorFrame::click(std::string_view control) {
    if (control == "Command1") {
        Command1_Click();
    } else if (control == "Command2") {
        Command2_Click();
    } else if (control == "Command3") {
        Command3_Click();
    }
}

// The change rule: the box's whole text, exactly as it stands, becomes its quantity's Text.
void CalculatorFrame::change(std::string_view box) {
    for (const DataBox& data : m_configuration.dataBoxes) {
        if (box == data.box) {
            quantities().*data.quantity = EntryValue::text(readBox(box));
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
    for (const char* box : m_configuration.clearOrder) {
        clearBox(box);
    }
    for (const DataBox& data : m_configuration.dataBoxes) {
        quantities().*data.quantity = EntryValue::emptyText();
    }
}

std::string CalculatorFrame::readBox(std::string_view box) const {
    return m_context.toolkit.readBox(*this, box);
}

void CalculatorFrame::writeBox(std::string_view box, std::string_view text) {
    m_context.toolkit.writeBox(*this, box, text);
}

void CalculatorFrame::clearBoxes(std::initializer_list<std::string_view> boxes) {
    for (std::string_view box : boxes) {
        clearBox(box);
    }
}

double CalculatorFrame::readNumber(std::string_view box) const {
    return numericValue(readBox(box)).value_or(0.0);
}

void CalculatorFrame::writeResult(std::string_view box, const EntryValue& quantity) {
    writeBox(box, textOfNumber(operandOf(quantity), m_context.toolkit.decimalSeparator()));
}

void CalculatorFrame::report(std::string_view message) {
    m_context.toolkit.messageBox(message);
}
