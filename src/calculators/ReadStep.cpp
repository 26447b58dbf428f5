#include "ReadStep.h"

#include "quantities/BoxReading.h"
#include "quantities/NumberText.h"
#include "quantities/NumericValue.h"
#include "quantities/Utf8.h"

#include <algorithm>

namespace formules {

std::string quotedText(std::string_view text) {
    constexpr std::size_t kMostCharacters = 40;
    const auto first = std::find_if_not(text.begin(), text.end(), isIgnoredBlank);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), isIgnoredBlank).base();
    const std::string_view trimmed =
        first < last ? text.substr(std::size_t(first - text.begin()), std::size_t(last - first))
                     : std::string_view();
    std::size_t characters = 0;
    for (std::size_t i = 0; i < trimmed.size(); ++i) {
        if (!isContinuationByte(trimmed[i]) && ++characters > kMostCharacters) {
            return std::string(trimmed.substr(0, i)) + "…";
        }
    }
    return std::string(trimmed);
}

ReadFindings readStep(const std::vector<BoxToRead>& boxes, std::string_view decimalSeparator) {
    ReadFindings findings;
    for (const BoxToRead& read : boxes) {
        const BoxReading reading =
            readBoxText(read.text, read.unit, resultsWrittenWith(decimalSeparator));
        if (!reading.understood) {
            findings.notUnderstood = read;
            findings.entries.clear();
            return findings;
        }
        if (reading.worthShowing && reading.value) {
            const std::string_view symbol = unitSymbol(read.unit);
            findings.entries.push_back(quotedText(read.text) + " = " +
                                       textOfNumber(*reading.value, decimalSeparator) +
                                       (symbol.empty() ? "" : " ") + std::string(symbol));
        }
    }
    return findings;
}

} // namespace formules
