#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace formules {

// The unit of a box's number, as the box's label names it; None for the boxes that take no unit
// word (turns, reactances).
enum class Unit { None, Kilohertz, Picofarad, Microhenry, Centimetre };

// How a number written in one of a box's units becomes one in the box's own unit. Larger units
// multiply by an exact integer (or by 2.54 and 30.48 for the inch and the foot), smaller ones
// divide by an exact integer, so that 500 Hz is 500 / 1000 and not 500 x 0.001.
struct Scale {
    double factor = 1.0;
    bool divides = false;

    double applied(double value) const { return divides ? value / factor : value * factor; }
    bool changesTheNumber() const { return factor != 1.0; }
};

// The unit word a blank-free text ends with, as a box in this unit sees it. Words are compared
// without regard to case (but a capital M alone is mega in a frequency box), and the micro signs
// µ and μ count as u. The longest word of any box's units, or of the ohm, decides; a word of the
// box's own wins over another box's as long: "2 mm" ends with millimetres, not millihenrys.
struct UnitEnding {
    enum class Kind { None, Own, Foreign };
    Kind kind = Kind::None;
    std::size_t bytes = 0; // how much of the text the word takes
    Scale scale;           // an own word's
};
UnitEnding unitEnding(std::string_view plain, Unit unit);

// A component code's letter (one character) as a box in this unit reads it: the scale of the
// unit word that is that letter ("n" in a capacitance box is nanofarads), or, in an inductance
// box, R for the decimal point in microhenrys. Nothing for a letter that is not one of the box's
// codes. As unit words, letters are read in either case, but a frequency's M is a capital.
std::optional<Scale> codeLetterScale(std::string_view letter, Unit unit);

// The symbol of the box's unit: kHz, pF, µH or cm; empty for Unit::None.
std::string_view unitSymbol(Unit unit);

// What a box in this unit tells its user: every word it understands, the unit it reads when
// none is written and its component codes with an example, for instance « Unités : nH (n), µH
// (uH, µ, u), mH (m), H ; µH si rien n'est indiqué ; codes n, u, m et R : 4R7 = 4,7 µH ».
// Empty for Unit::None.
std::string unitsHint(Unit unit);

} // namespace formules
