#pragma once

// What each calculator window declares beside its description: its data boxes and their roles,
// its messages and help phrases, and the controls and hints every calculator window has.

#include "forms/ControlName.h"
#include "forms/FormDescription.h"
#include "quantities/SharedQuantities.h"
#include "quantities/Units.h"

#include <optional>
#include <string>
#include <vector>

namespace formules {

// What a data box is to its calculation: a value the user gives, the result, either (the one
// left empty being solved for, in the resonance and toroid windows), or a value the user may
// give, which no "Calcul" requires.
enum class BoxRole { Input, Result, InputOrResult, Optional };

// A data box, the shared quantity its change rule feeds, and its role. A box of the window's own
// feeds no quantity (nullptr) and gives itself its unit, what a message calls it and its symbol in
// the address of a calculation.
struct DataBox {
    BoxName box;
    Quantity quantity;
    BoxRole role;
    Unit unit = Unit::None;
    const char* word = "";
    const char* symbol = "";
};

// The unit the box is read in, what a message calls what it holds (in French), and its symbol in
// the address of a calculation.
Unit unitOf(const DataBox& data);
const char* wordOf(const DataBox& data);
const char* symbolOf(const DataBox& data);

// The message every calculator shows for an entry it cannot use: not greater than zero, or a
// result beyond the range of a double.
inline constexpr char kOutOfRangeMessage[] = "Erreur - Valeurs hors limites - Recommencez";

// The message for a box whose text is not understood (quantities/BoxReading.h): the text as
// typed (%1) and what the box holds (%2, one of quantityWords()).
inline constexpr char kNotUnderstoodMessage[] = "Valeur non comprise : « %1 » (%2)";

// The first line of the design help after a "Calcul" that read a value through a unit word or a
// component code, with one, two or three entries such as "4n7 = 4700 pF".
inline constexpr const char* kReadPhrases[] = {"Lu : %1", "Lu : %1 ; %2", "Lu : %1 ; %2 ; %3"};

// How one calculator window's frame differs from the others': each calculator declares its own
// beside its description.
struct FrameConfiguration {
    std::vector<DataBox> dataBoxes;
    std::vector<BoxName> clearOrder; // the boxes "Menu" and "Effacer" clear, in order
    // The message its "Calcul" shows when the values it needs are not all given; with
    // kOutOfRangeMessage, the only messages the window ever shows.
    const char* promptMessage;
    // The label that helps with the design after a successful "Calcul", and every phrase its
    // lines are made of; none in a window without one.
    std::optional<LabelName> helpLabel = std::nullopt;
    std::vector<const char*> helpPhrases = {};
    // The words the help puts into its phrases' marks, which are translated too (a core's paint).
    std::vector<const char*> helpWords = {};
};

// The buttons of every calculator window.
struct CalculatorButtons {
    static constexpr ButtonName Command1{"Command1"}; // "Calcul"
    static constexpr ButtonName Command2{"Command2"}; // "Menu"
    static constexpr ButtonName Command3{"Command3"}; // "Effacer"
};

// A calculator's data box: it starts empty, is named by its labels (in reading order) and
// announced by their captions, and Return in it presses "Calcul".
ControlDescription dataBox(BoxName name, FormRect rect, int tabIndex, std::string announced,
                           std::vector<std::string> namedBy);

// The label of design help, empty until a "Calcul" succeeds, in the colours of the window's
// labels (the given background, the window's text colour); its hint says what its lines are.
ControlDescription designHelpLabel(LabelName name, FormRect rect, Colour background,
                                   std::string hint);

// The description with what every calculator window adds to its own table: a hint on each data
// box the user fills, naming every unit word it understands (and for a coil's diameter, where
// it is measured) and saying how commas between thousands read, and the access keys of its
// buttons (Alt+C "Calcul", Alt+E "Effacer", Alt+M "Menu").
FormDescription asCalculator(FormDescription description, const FrameConfiguration& frame);

} // namespace formules
