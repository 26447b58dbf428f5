#pragma once

#include "CalculatorDescription.h"
#include "forms/ControlName.h"
#include "forms/Form.h"
#include "forms/FormContext.h"
#include "formulas/EnamelledWire.h"
#include "quantities/SharedQuantities.h"
#include "quantities/Units.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace formules {

// What the calculator windows share: the change rule of their data boxes, "Menu",
// "Effacer", closing from the title bar, and the services their "Calcul" is written with. The
// boxes' texts live in the toolkit and the values in the shared quantities; the frame keeps only
// what one "Calcul" read through units or codes, for its design help.
class CalculatorFrame : public Form {
public:
    CalculatorFrame(const FrameConfiguration& configuration, FormContext& context);

    void click(std::string_view control) override;
    void change(std::string_view box) override;
    // Closing the window from its title bar does what its "Menu" does.
    void closedFromTitleBar() override { Command2_Click(); }

protected:
    // "Calcul": the window's own calculation.
    virtual void Command1_Click() = 0;

    const FrameConfiguration& configuration() const { return m_configuration; }
    // A text in the windows' language, and the decimal separator of results.
    std::string translated(const char* text) const { return m_context.toolkit.translated(text); }
    std::string decimalSeparator() const { return m_context.toolkit.decimalSeparator(); }
    SharedQuantities& quantities() { return m_context.quantities; }
    const SharedQuantities& quantities() const { return m_context.quantities; }

    std::string readBox(BoxName box) const;
    bool isBoxEmpty(BoxName box) const { return readBox(box).empty(); }
    // The box still holds, exactly as written, the result of this window's last successful
    // "Calcul": the program's own result, which a "Calcul" after a change to another box solves
    // again rather than take as a third value given. Forgotten when a message that clears the
    // boxes, "Effacer", "Menu" or closing clears the window; a text refused by name keeps it.
    bool holdsLastResult(BoxName box) const;
    void writeBox(BoxName box, std::string_view text);
    void clearBox(BoxName box) { writeBox(box, std::string_view()); }

    // Clears each box in turn, each write running its change rule before the next.
    void clearBoxes(std::initializer_list<BoxName> boxes);

    // The read step of a "Calcul", before it reads the boxes: each must be understood
    // (quantities/BoxReading.h), in tab order. The first that is not is named in a message; the
    // window keeps every text and quantity, and the focus goes to that box with its text
    // selected; false is returned, and the calculation reads nothing. When all are understood,
    // those read through a unit word, a code or thousands commas make the design help's first line.
    bool understood(std::initializer_list<BoxName> boxes);

    // The number in the box's text, in the unit of the box's quantity (a unit word written after
    // the number converts it). A number beyond the range of a double, converted or not, reads
    // as 0, so that the calculation's range test rejects it like any other unusable entry.
    double readNumber(BoxName box) const;

    // Writes the text of the quantity's number into the box, as the last result.
    void writeResult(BoxName box, const EntryValue& quantity);
    // Writes a result that is not a number of the box's unit ("4,9 nH"), as the last result.
    void writeResultText(BoxName box, const std::string& text);

    // The texts of the data boxes the user gave, in the order of the table: every one that holds
    // text but the last result.
    std::vector<std::pair<BoxName, std::string>> givenTexts() const;

    // A box whose text the window reads by a grammar of its own rather than as a number in a
    // unit: whether the read step understands its text. Nothing for the others, which it reads
    // as numbers.
    virtual std::optional<bool> understoodByWindow(BoxName box, std::string_view text) const;

    // The number in the box that feeds the quantity, stored into the quantity as a Double.
    double readInto(Quantity quantity);

    // The data box whose quantity is this one, and the result box; every calculator's table has
    // each of those its handlers ask for.
    const DataBox& dataBoxOf(Quantity quantity) const;
    const DataBox& dataBoxOf(BoxName box) const;
    const DataBox& resultBox() const;

    // Shows the message and returns once the user has closed it; the design help goes first.
    // What the window holds stays, the last result included.
    void report(std::string_view message);
    // The message, then the boxes cleared in turn: the last result is forgotten with them.
    void reportAndClear(std::string_view message, std::initializer_list<BoxName> boxes);

    // One line of design help: the phrase, one of the window's help phrases, in the user's
    // language, with %1, %2... replaced by the texts of the figures as results are written.
    // Nothing when a figure is missing (it would not be finite).
    std::optional<std::string> helpLine(const char* phrase,
                                        std::initializer_list<std::optional<double>> figures) const;
    // A line of design help whose marks stand for texts already written (names, figures).
    std::string helpText(const char* phrase, const std::vector<std::string>& texts) const;
    // A figure as results are written, with the decimal separator of results.
    std::string figureText(double figure) const;

    // The phrases of a line that proposes a wire: a metric wire and an AWG one, either alone, or
    // none; the wire's length is the last mark of the first three.
    struct WirePhrases {
        const char* both;
        const char* metric;
        const char* awg;
        const char* none;
    };
    // The line for the wire proposed; the phrase for no wire takes the figure given for it.
    std::optional<std::string> proposedWireLine(const WirePhrases& phrases, const FittingWire& wire,
                                                std::optional<double> length,
                                                std::optional<double> noWireFigure) const;

    // Shows the lines in the help label, one under the other, after the line of what the read
    // step read through units, codes or thousands commas; a missing line leaves only that first
    // line, so that no figure stands without the others and what was read is always said.
    void showHelp(const std::vector<std::optional<std::string>>& lines);
    void clearHelp();

private:
    void Command2_Click();
    void Command3_Click();
    void clearWindow();
    Unit unitOfBox(BoxName box) const;
    const DataBox* dataBoxNamed(std::string_view box) const;
    void reportNotUnderstood(const DataBox& data, const std::string& text);
    // Each box in tab order, its reading by the window or as a number; false once one is not
    // understood, the entries of those read through units, codes or commas gathered.
    bool readInTabOrder(std::initializer_list<BoxName> boxes, std::vector<std::string>& entries);
    // A table without the box or phrase a handler asks for.
    [[noreturn]] void notInTable(const char* what) const;
    void checkHelpPhrase(const char* phrase) const;
    // The phrase in the user's language with %1, %2... replaced by the texts in order.
    std::string filled(const char* phrase, const std::vector<std::string>& texts) const;

    const FrameConfiguration& m_configuration;
    FormContext& m_context;
    // What the last read step read through units, codes or thousands commas, as the help's first
    // line shows it.
    std::string m_readLine;
    // The text of the last successful "Calcul"'s result, and its box.
    struct WrittenResult {
        BoxName box;
        std::string text;
    };
    std::optional<WrittenResult> m_lastResult;
    // Whether the "Calcul" under way has written its result.
    bool m_resultWritten = false;
};

} // namespace formules
