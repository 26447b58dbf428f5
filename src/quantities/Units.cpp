#include "Units.h"

#include "NumericValue.h"

#include <array>
#include <cmath>
#include <vector>

namespace formules {

namespace {

// A unit word and how a number written with it becomes a number in the box's unit: larger
// units multiply by an exact integer (or by 2.54 for the inch), smaller ones divide by an exact
// integer, so that 500 Hz is 500 / 1000 and not 500 × 0.001.
struct UnitWord {
    std::string_view word; // lower case, u for micro
    double factor;
    bool divides;
    std::string_view shown; // as the hint writes it; empty for a short form it leaves out
};

struct UnitTable {
    Unit unit;
    std::string_view base;
    std::vector<UnitWord> words;
};

const std::array<UnitTable, 4> kUnits{{
    {Unit::Kilohertz,
     "kHz",
     {{"hz", 1000, true, "Hz"},
      {"khz", 1, false, "kHz"},
      {"mhz", 1000, false, "MHz"},
      {"ghz", 1000000, false, "GHz"}}},
    {Unit::Picofarad,
     "pF",
     {{"p", 1, false, ""},
      {"pf", 1, false, "pF"},
      {"n", 1000, false, ""},
      {"nf", 1000, false, "nF"},
      {"u", 1000000, false, ""},
      {"uf", 1000000, false, "µF"},
      {"f", 1000000000000, false, "F"}}},
    {Unit::Microhenry,
     "µH",
     {{"n", 1000, true, ""},
      {"nh", 1000, true, "nH"},
      {"u", 1, false, ""},
      {"uh", 1, false, "µH"},
      {"m", 1000, false, ""},
      {"mh", 1000, false, "mH"},
      {"h", 1000000, false, "H"}}},
    {Unit::Centimetre,
     "cm",
     {{"mm", 10, true, "mm"},
      {"cm", 1, false, "cm"},
      {"m", 100, false, "m"},
      {"in", 2.54, false, "in"},
      {"\"", 2.54, false, "\""}}},
}};

const UnitTable* tableOf(Unit unit) {
    for (const UnitTable& table : kUnits) {
        if (table.unit == unit) {
            return &table;
        }
    }
    return nullptr;
}

// The text as the unit words are looked for in it: without blanks, in lower case, each micro
// sign (UTF-8 C2 B5) and Greek mu (CE BC) written u.
std::string folded(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (c == ' ' || c == '\t' || c == '\n') {
            continue;
        }
        if ((c == '\xC2' && next == '\xB5') || (c == '\xCE' && next == '\xBC')) {
            out += 'u';
            ++i;
        } else {
            out += (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
        }
    }
    return out;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// An optional sign, digits with at most one decimal separator (at least one digit in all), and
// an optional exponent with at least one digit; the text is already folded to lower case.
bool isPlainDecimal(std::string_view text) {
    std::size_t i = 0;
    auto skipSign = [&] {
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            ++i;
        }
    };
    auto countDigits = [&] {
        std::size_t digits = 0;
        for (; i < text.size() && isDigit(text[i]); ++i) {
            ++digits;
        }
        return digits;
    };
    skipSign();
    std::size_t digits = countDigits();
    if (i < text.size() && (text[i] == '.' || text[i] == ',')) {
        ++i;
        digits += countDigits();
    }
    if (digits == 0) {
        return false;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'd')) {
        ++i;
        skipSign();
        if (countDigits() == 0) {
            return false;
        }
    }
    return i == text.size();
}

// The longest unit word the folded text ends with, or nullptr.
const UnitWord* endingWord(const UnitTable& table, std::string_view text) {
    const UnitWord* longest = nullptr;
    for (const UnitWord& word : table.words) {
        const bool ends = text.size() >= word.word.size() &&
                          text.substr(text.size() - word.word.size()) == word.word;
        if (ends && (longest == nullptr || word.word.size() > longest->word.size())) {
            longest = &word;
        }
    }
    return longest;
}

} // namespace

std::optional<double> valueInUnit(std::string_view text, Unit unit) {
    const UnitTable* table = tableOf(unit);
    if (table == nullptr) {
        return numericValue(text);
    }
    const std::string plain = folded(text);
    const UnitWord* word = endingWord(*table, plain);
    const std::string_view number =
        std::string_view(plain).substr(0, plain.size() - (word ? word->word.size() : 0));
    if (word == nullptr || !isPlainDecimal(number)) {
        return numericValue(text);
    }
    const std::optional<double> value = numericValue(number);
    if (!value) {
        return std::nullopt;
    }
    const double converted = word->divides ? *value / word->factor : *value * word->factor;
    if (!std::isfinite(converted)) {
        return std::nullopt;
    }
    return converted;
}

std::string unitsHint(Unit unit) {
    const UnitTable* table = tableOf(unit);
    if (table == nullptr) {
        return std::string();
    }
    std::string hint = "Unités : ";
    for (const UnitWord& word : table->words) {
        if (!word.shown.empty()) {
            hint += std::string(word.shown) + ", ";
        }
    }
    hint.resize(hint.size() - 2);
    return hint + " (" + std::string(table->base) + " si rien n'est indiqué)";
}

} // namespace formules
