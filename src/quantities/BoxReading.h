#pragma once

#include "Units.h"

#include <optional>
#include <string_view>

namespace formules {

// How a calculation reads a box's text, in the box's unit. Blanks are removed first (so that
// "12 500" is 12500); what remains must be, whole, one of:
//   - nothing;
//   - a decimal number, with or without a unit word of the box's at its end: "7,1 MHz";
//   - a component code of the box's, the way parts are marked: an optional run of digits, one
//     code letter, then digits, with at least one digit in all; the letter stands for the
//     decimal point in its unit, so that "4n7" reads exactly as "4.7n" (Units.h);
//   - a whole number written with &H or &O: "&HFF".
// Anything else is not understood: letters, a leftover ("12abc", "1.2.3", "5-3", "1e"), a unit
// word of another box, a code letter that is not the box's.
//
// Where results are written with a decimal point, a number is also read the way an
// English-speaking user writes it, with commas between thousands: in its whole part, a first
// group of one to three digits that does not start with 0, then groups of exactly three, each
// after a comma ("14,230" is 14230, "1,234,567.5" is 1234567.5). Any other comma is a decimal
// separator as before ("0,047", "14,23", "1,5"). Where results are written with a comma, a
// comma is always the decimal separator.
enum class ResultsWritten { WithComma, WithPoint };

struct BoxReading {
    bool understood = false;
    // The number in the box's unit: 0 for nothing; nothing when it lies beyond the range of a
    // double, converted or not.
    std::optional<double> value;
    // Read through a unit word that changes the number, through a component code, or with
    // commas between thousands: what was read is worth showing the user.
    bool worthShowing = false;
};

BoxReading readBoxText(std::string_view text, Unit unit,
                       ResultsWritten written = ResultsWritten::WithComma);

// How results are written with this decimal separator: a point, or a comma.
constexpr ResultsWritten resultsWrittenWith(std::string_view decimalSeparator) {
    return decimalSeparator == "." ? ResultsWritten::WithPoint : ResultsWritten::WithComma;
}

} // namespace formules
