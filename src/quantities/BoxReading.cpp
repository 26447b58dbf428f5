#include "BoxReading.h"

#include "NumericValue.h"
#include "Utf8.h"

#include <cmath>
#include <string>

namespace formules {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t digitRun(std::string_view text, std::size_t from) {
    std::size_t end = from;
    while (end < text.size() && isDigit(text[end])) {
        ++end;
    }
    return end - from;
}

// The number without the commas between its thousands, when its whole part is grouped that way:
// an optional sign, one to three digits not starting with 0, then groups of a comma and exactly
// three digits, up to the end, a decimal point or an exponent. Nothing otherwise.
std::optional<std::string> withoutThousandsCommas(std::string_view number) {
    std::size_t at = !number.empty() && (number[0] == '+' || number[0] == '-') ? 1 : 0;
    const std::size_t leading = digitRun(number, at);
    if (leading < 1 || leading > 3 || number[at] == '0') {
        return std::nullopt;
    }
    std::string plain(number.substr(0, at + leading));
    at += leading;
    std::size_t groups = 0;
    for (; at < number.size() && number[at] == ',' && digitRun(number, at + 1) == 3; at += 4) {
        plain += number.substr(at + 1, 3);
        ++groups;
    }
    if (groups == 0 || (at < number.size() && number[at] == ',')) {
        return std::nullopt;
    }
    return plain + std::string(number.substr(at));
}

// One decimal number as the user wrote it, and whether commas grouped its thousands.
struct DecimalReading {
    WholeReading number;
    bool grouped = false;
};

DecimalReading decimalAsWritten(std::string_view plain, ResultsWritten written) {
    if (written == ResultsWritten::WithPoint) {
        if (const std::optional<std::string> ungrouped = withoutThousandsCommas(plain)) {
            return {wholeDecimal(*ungrouped), true};
        }
    }
    return {wholeDecimal(plain), false};
}

// A number read in one of the box's units, in the box's own unit.
BoxReading inBoxUnit(const WholeReading& number, Scale scale, bool worthShowing) {
    BoxReading reading{true, std::nullopt, worthShowing};
    if (number.value) {
        const double converted = scale.applied(*number.value);
        if (std::isfinite(converted)) {
            reading.value = converted;
        }
    }
    return reading;
}

// Digits, one letter, digits: the number with the letter read as a decimal point, scaled by
// the letter's unit; not understood otherwise.
BoxReading componentCode(std::string_view plain, Unit unit) {
    const std::size_t before = digitRun(plain, 0);
    if (before == plain.size()) {
        return {};
    }
    const std::size_t letterLength = characterLength(plain[before]);
    const std::size_t afterStart = before + letterLength;
    const std::size_t after = afterStart <= plain.size() ? digitRun(plain, afterStart) : 0;
    if (afterStart > plain.size() || afterStart + after != plain.size() || before + after == 0) {
        return {};
    }
    const std::optional<Scale> scale = codeLetterScale(plain.substr(before, letterLength), unit);
    if (!scale) {
        return {};
    }
    const std::string number =
        std::string(plain.substr(0, before)) + "." + std::string(plain.substr(afterStart));
    return inBoxUnit(wholeDecimal(number), *scale, true);
}

} // namespace

BoxReading readBoxText(std::string_view text, Unit unit, ResultsWritten written) {
    std::string storage;
    const std::string_view plain = withoutBlanks(text, storage);
    if (plain.empty()) {
        return {true, 0.0, false};
    }
    const WholeReading prefixed = wholePrefixed(plain);
    if (prefixed.matches) {
        return {true, prefixed.value, false};
    }
    const UnitEnding ending = unitEnding(plain, unit);
    if (ending.kind == UnitEnding::Kind::Foreign) {
        return {};
    }
    if (ending.kind == UnitEnding::Kind::Own) {
        const DecimalReading read =
            decimalAsWritten(plain.substr(0, plain.size() - ending.bytes), written);
        if (read.number.matches) {
            return inBoxUnit(read.number, ending.scale,
                             read.grouped || ending.scale.changesTheNumber());
        }
    }
    const DecimalReading read = decimalAsWritten(plain, written);
    if (read.number.matches) {
        return inBoxUnit(read.number, Scale{}, read.grouped);
    }
    return componentCode(plain, unit);
}

} // namespace formules
