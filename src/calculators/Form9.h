#pragma once

// Form9, "Bobine sur un tore": a coil wound on a toroid; two of the core, the inductance and the
// number of turns give the third.

#include "CalculatorFrame.h"
#include "formulas/ToroidCores.h"

#include <optional>
#include <string>
#include <vector>

namespace formules {

// What the core box holds: a core of the table by its name, or an AL typed with its unit.
struct CoreEntry {
    const ToroidCore* core = nullptr; // nullptr for an AL typed by value
    InductanceFactor al;
};

// The core box's text read: a core's name ("T50-2", "ft 37 43"), else an AL and its unit
// ("4,9 nH", "49 µH/100", "350 mH/1000"); nothing for any other text.
std::optional<CoreEntry> readCoreEntry(std::string_view text, ResultsWritten written);

// The controls Form9's handlers name.
struct Form9Controls : CalculatorButtons {
    static constexpr BoxName Text1{"Text1"};       // the core, or its AL
    static constexpr BoxName Text2{"Text2"};       // the inductance
    static constexpr BoxName Text3{"Text3"};       // the turns
    static constexpr LabelName Label11{"Label11"}; // the design help after a "Calcul"
    static constexpr NamedControl kAll[] = {Text1,    Text2,    Text3,   Label11,
                                            Command1, Command2, Command3};
};

// "Bobine sur un tore": the turns for an inductance on a core, the inductance of turns on it, or
// the AL that an inductance measured on turns gives, and the cores that have it. No message
// clears what the user typed.
class Form9 final : public CalculatorFrame, private Form9Controls {
public:
    explicit Form9(FormContext& context);
    // Text1 holds the core and feeds no shared quantity; Text2 feeds inductance, Text3 NbreSp.
    // The empty one is solved for, or the last result when all three hold text.
    static const FrameConfiguration& frame();
    const FormDescription& description() const override;

private:
    void Command1_Click() override;
    std::optional<bool> understoodByWindow(BoxName box, std::string_view text) const override;

    void solveTurns();
    void solveInductance();
    void solveCore();
    // The core the core box names, once the read step has understood it.
    CoreEntry coreEntry() const;
    // Clears the box that is solved for, and its quantity.
    void clearUnknown(BoxName box);

    // The lines of the design help about the core, the turns, the cores a measured AL names and
    // the wire that fits in one layer.
    std::vector<std::optional<std::string>> coreLines(const CoreEntry& entry) const;
    std::optional<std::string> turnsLine(const CoreEntry& entry, double turns,
                                         std::optional<double> exact) const;
    std::optional<std::string> candidatesLine(double measuredNanohenrys) const;
    std::optional<std::string> wireLine(const CoreEntry& entry, double turns) const;
    void showLines(std::vector<std::optional<std::string>> lines);
    // Every phrase the help's lines are made of.
    static std::vector<const char*> helpPhrases();
    // The figures of the help and the measured AL: to three significant digits.
    static std::optional<double> threeDigits(std::optional<double> x);
};

} // namespace formules
