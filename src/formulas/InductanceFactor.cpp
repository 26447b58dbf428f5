#include "InductanceFactor.h"

#include "quantities/NumericValue.h"

#include <cctype>
#include <cmath>
#include <string>

namespace formules {

namespace {

// L in uH is AL N^2 divided by the unit's scale: nH per turn squared and mH per 1000 turns give
// nH, so 1000 of them make a uH; uH per 100 turns gives uH per 100^2 turns squared.
double scaleOf(AlUnit unit) {
    return unit == AlUnit::MicrohenryPer100Turns ? 10000.0 : 1000.0;
}

// A unit as it is typed, after the number, blanks removed and letters in lower case.
struct UnitWord {
    std::string_view word;
    AlUnit unit;
};

constexpr UnitWord kUnitWords[] = {
    {"nh", AlUnit::NanohenryPerTurnSquared},          {"uh/100", AlUnit::MicrohenryPer100Turns},
    {"\xC2\xB5h/100", AlUnit::MicrohenryPer100Turns}, // the micro sign
    {"\xCE\xBCh/100", AlUnit::MicrohenryPer100Turns}, // the Greek mu
    {"mh/1000", AlUnit::MillihenryPer1000Turns},
};

std::string withoutBlanks(std::string_view text) {
    std::string plain;
    for (char c : text) {
        if (!isIgnoredBlank(c)) {
            plain += c;
        }
    }
    return plain;
}

std::string inLowerCase(std::string text) {
    for (char& c : text) {
        c = char(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

bool endsWith(std::string_view text, std::string_view end) {
    return text.size() > end.size() && text.substr(text.size() - end.size()) == end;
}

} // namespace

double nanohenrysPerTurnSquared(const InductanceFactor& al) {
    return al.unit == AlUnit::MicrohenryPer100Turns ? al.value / 10 : al.value;
}

double microhenrysPer100Turns(const InductanceFactor& al) {
    return al.unit == AlUnit::MicrohenryPer100Turns ? al.value : al.value * 10;
}

double millihenrysPer1000Turns(const InductanceFactor& al) {
    return nanohenrysPerTurnSquared(al);
}

std::optional<double> inductanceOfTurns(const InductanceFactor& al, double turns) {
    const double microhenrys = al.value * turns * turns / scaleOf(al.unit);
    return std::isfinite(microhenrys) ? std::optional<double>(microhenrys) : std::nullopt;
}

std::optional<double> turnsForInductance(const InductanceFactor& al, double microhenrys) {
    const double turns = std::sqrt(microhenrys * scaleOf(al.unit) / al.value);
    return std::isfinite(turns) ? std::optional<double>(turns) : std::nullopt;
}

std::optional<double> measuredAl(double microhenrys, double turns) {
    const double nanohenrys = microhenrys * 1000 / (turns * turns);
    return std::isfinite(nanohenrys) ? std::optional<double>(nanohenrys) : std::nullopt;
}

std::optional<InductanceFactor> readInductanceFactor(std::string_view text,
                                                     ResultsWritten written) {
    const std::string plain = withoutBlanks(text);
    const std::string lower = inLowerCase(plain);
    for (const UnitWord& unit : kUnitWords) {
        if (endsWith(lower, unit.word)) {
            // The number keeps its own case: only the unit's letters are compared in lower case.
            const std::string number = plain.substr(0, plain.size() - unit.word.size());
            // A number beyond the range of a double reads as 0, which the range test refuses, as
            // in every box.
            const BoxReading reading = readBoxText(number, Unit::None, written);
            if (reading.understood) {
                return InductanceFactor{reading.value.value_or(0.0), unit.unit};
            }
            return std::nullopt;
        }
    }
    return std::nullopt;
}

} // namespace formules
