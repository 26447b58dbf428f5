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

BoxReading readBoxText(std::string_view text, Unit unit) {
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
        const WholeReading number = wholeDecimal(plain.substr(0, plain.size() - ending.bytes));
        if (number.matches) {
            return inBoxUnit(number, ending.scale, ending.scale.changesTheNumber());
        }
    }
    const WholeReading number = wholeDecimal(plain);
    if (number.matches) {
        return inBoxUnit(number, Scale{}, false);
    }
    return componentCode(plain, unit);
}

} // namespace formules
