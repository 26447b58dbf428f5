#pragma once

#include "forms/ControlName.h"
#include "quantities/Units.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace formules {

// A box's text as a message or the design help quotes it: without its outer blanks, and cut
// after 40 characters with an ellipsis, so that a pasted page stays a line.
std::string quotedText(std::string_view text);

// A box that the read step of a "Calcul" reads: its text and the unit of its quantity.
struct BoxToRead {
    BoxName box;
    std::string text;
    Unit unit;
};

// What the read step found in its boxes, taken in the order given: the first box whose text is
// not understood (quantities/BoxReading.h), if any; otherwise one entry for each box read through
// a unit word, a component code or commas between thousands, as the user is shown it: "4n7 =
// 4700 pF", and in a box without a unit "1,000 = 1000".
struct ReadFindings {
    std::optional<BoxToRead> notUnderstood;
    std::vector<std::string> entries;
};

// The numbers are read, and written in the entries, with the decimal separator of results.
ReadFindings readStep(const std::vector<BoxToRead>& boxes, std::string_view decimalSeparator);

} // namespace formules
