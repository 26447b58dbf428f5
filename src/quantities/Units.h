#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace formules {

// The unit of a box's number, as the box's label names it; None for the boxes that take no unit
// word (turns, reactances).
enum class Unit { None, Kilohertz, Picofarad, Microhenry, Centimetre };

// The number a calculation reads from a box in this unit. A unit word written after a plain
// decimal number converts it into the box's unit: "7,1 MHz" in a kilohertz box reads 7100,
// "2 mm" in a centimetre box 0.2. Blanks are ignored, the words are compared without regard to
// case, the micro signs µ and μ count as u, and the longest word the text ends with is taken.
// Any other text reads as its numeric value, as it would without units (12abc reads 12). Empty
// when the number, converted or not, lies beyond the range of a double.
std::optional<double> valueInUnit(std::string_view text, Unit unit);

// What a box in this unit tells its user: the unit words it understands and the unit it reads
// when none is written, for instance « Unités : mm, cm, m, in, " (cm si rien n'est indiqué) ».
// Empty for Unit::None.
std::string unitsHint(Unit unit);

} // namespace formules
