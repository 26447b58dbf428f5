#pragma once

#include "quantities/SharedQuantities.h"
#include "shell/Form.h"
#include "shell/FormContext.h"

#include <string>
#include <string_view>
#include <vector>

// A data box and the shared quantity its change rule feeds.
struct DataBox {
    const char* box;
    Quantity quantity;
};

// How one calculator window's frame differs from the others'.
struct FrameConfiguration {
    FormId form;
    std::vector<DataBox> dataBoxes;
    std::vector<const char*> clearOrder; // the boxes "Menu" and "Effacer" clear, in order
};

// A calculator's data box: it starts empty, is announced by the caption of its label, and
// Return in it presses "Calcul".
ControlDescription dataBox(std::string name, FormRect rect, int tabIndex, std::string announced);

// The frame of the named calculator window (Form2 to Form6).
const FrameConfiguration& frameConfiguration(FormId form);

// What the five calculator windows share: the change rule of their data boxes, "Menu",
// "Effacer", and the services their "Calcul" is written with. It keeps no state of its own:
// the boxes' texts live in the toolkit and everything else in the shared quantities.
class CalculatorFrame : public Form {
public:
    CalculatorFrame(FormId form, FormContext& context);

    void click(std::string_view control) override;
    void change(std::string_view box) override;
    // Closing the window from its title bar does what its "Menu" does.
    void closedFromTitleBar() override { Command2_Click(); }

protected:
    // "Calcul": the window's own calculation.
    virtual void Command1_Click() = 0;

    const FrameConfiguration& configuration() const { return m_configuration; }
    SharedQuantities& quantities() { return m_context.quantities; }
    const SharedQuantities& quantities() const { return m_context.quantities; }

    std::string readBox(std::string_view box) const;
    bool isBoxEmpty(std::string_view box) const { return readBox(box).empty(); }
    void writeBox(std::string_view box, std::string_view text);
    void clearBox(std::string_view box) { writeBox(box, std::string_view()); }

    // Clears each box in turn, each write running its change rule before the next.
    void clearBoxes(std::initializer_list<std::string_view> boxes);

    // The numeric value of the box's text. A number beyond the range of a double reads as 0,
    // so that the calculation's range test rejects it like any other unusable entry.
    double readNumber(std::string_view box) const;

    // Writes the text of the quantity's number into the box.
    void writeResult(std::string_view box, const EntryValue& quantity);

    // Shows the message and returns once the user has closed it.
    void report(std::string_view message);

private:
    void Command2_Click();
    void Command3_Click();
    void clearWindow();

    const FrameConfiguration& m_configuration;
    FormContext& m_context;
};
