#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace formules {

// The unit of a box's number, as the box's label names it; None for the boxes that take no unit
// word (turns, reactances).
enum class Unit { None, Kilohertz, Picofarad, Microhenry, Centimetre };

// The number a calculation reads from a box in this unit. Blanks are ignored, the words are
// compared without regard to case (but a capital M alone is mega in a frequency box), and the
// micro signs µ and μ count as u.
//
// The longest unit word the text ends with decides. When it is one of the box's own, the plain
// decimal number before it is converted into the box's unit: "7,1 MHz" or "7.1M" in a kilohertz
// box reads 7100, "2 mm" in a centimetre box 0.2. When it belongs to another box (a word of the
// box's own that is as long wins), or to the ohm, or when what stands before the box's own word
// is not a plain decimal number, the text is refused: "10 pF" in a kilohertz box, "2 mm" in a
// microhenry box, "3.5-4 MHz". A text with no unit word at its end reads as its numeric value
// (12abc reads 12). Empty when the text is refused, or when the number, converted or not, lies
// beyond the range of a double.
std::optional<double> valueInUnit(std::string_view text, Unit unit);

// What a box in this unit tells its user: every word it understands and the unit it reads when
// none is written, for instance « Unités : mm, cm, m, in ("), ft ; cm si rien n'est indiqué ».
// Empty for Unit::None.
std::string unitsHint(Unit unit);

} // namespace formules
