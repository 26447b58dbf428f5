#include "Units.h"

#include "Utf8.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace formules {

namespace {

// A word that names a unit after a number. It is compared without regard to case, except the
// words marked exact: a capital M is mega in a frequency box, a small m is not.
struct Word {
    std::string_view text;  // lower case, u for micro, unless exact
    std::string_view shown; // how the hint lists it; empty for the unit's own symbol
    bool exact = false;
};

// One unit a box understands: a number written with one of its words becomes a number in the
// box's unit. Larger units multiply by an exact integer (or by 2.54 and 30.48 for the inch and
// the foot), smaller ones divide by an exact integer, so that 500 Hz is 500 / 1000 and not
// 500 x 0.001.
struct UnitWords {
    std::string_view symbol; // as the hint writes it
    double factor;
    bool divides;
    std::vector<Word> words;
};

// A box's units, and its component codes: the letters (as its words write them) that stand for
// the decimal point in their unit, with R for the point in the box's own unit where it has one.
struct UnitTable {
    Unit unit;
    std::string_view base;
    std::vector<UnitWords> units;
    std::string_view codeLetters;
    std::string_view codesHint; // the letters as the hint lists them, and an example
};

const std::array<UnitTable, 4> kTables{{
    {Unit::Kilohertz,
     "kHz",
     {{"Hz", 1000, true, {{"hz", ""}}},
      {"kHz", 1, false, {{"khz", ""}, {"k", "k"}, {"kc", "kc"}}},
      {"MHz", 1000, false, {{"mhz", ""}, {"M", "M", true}, {"meg", "meg"}, {"mc", "Mc"}}},
      {"GHz", 1000000, false, {{"ghz", ""}, {"g", "G"}}}},
     "kMg",
     "k, M et G : 7M1 = 7,1 MHz"},
    {Unit::Picofarad,
     "pF",
     {{"pF", 1, false, {{"pf", ""}, {"p", "p"}}},
      {"nF", 1000, false, {{"nf", ""}, {"n", "n"}}},
      {"µF", 1000000, false, {{"uf", "uF"}, {"u", "µ, u"}}},
      {"F", 1000000000000, false, {{"f", ""}}}},
     "pnu",
     "p, n et u (µ) : 4n7 = 4,7 nF"},
    {Unit::Microhenry,
     "µH",
     {{"nH", 1000, true, {{"nh", ""}, {"n", "n"}}},
      {"µH", 1, false, {{"uh", "uH"}, {"u", "µ, u"}}},
      {"mH", 1000, false, {{"mh", ""}, {"m", "m"}}},
      {"H", 1000000, false, {{"h", ""}}}},
     "numr",
     "n, u (µ), m et R : 4R7 = 4,7 µH"},
    {Unit::Centimetre,
     "cm",
     {{"mm", 10, true, {{"mm", ""}}},
      {"cm", 1, false, {{"cm", ""}}},
      {"m", 100, false, {{"m", ""}}},
      {"in", 2.54, false, {{"in", ""}, {"\"", "\""}}},
      {"ft", 30.48, false, {{"ft", ""}}}},
     "",
     ""},
}};

// The letter that stands for the decimal point in the box's own unit, as inductors are marked.
constexpr char kPointLetter = 'r';

// Words that name a unit no box takes: a reactance typed into a box that wants a frequency is
// a mistake, not a number. Ω is both the Greek capital omega and the ohm sign.
const std::array<Word, 4> kOhmWords{{{"ohm", ""}, {"ohms", ""}, {"\u03a9", ""}, {"\u2126", ""}}};

const UnitTable* tableOf(Unit unit) {
    for (const UnitTable& table : kTables) {
        if (table.unit == unit) {
            return &table;
        }
    }
    return nullptr;
}

// The end of a blank-free text as the words are compared with it: its last few characters,
// each micro sign (UTF-8 C2 B5) and Greek mu (CE BC) written u, case kept for the exact words.
// Only the end is folded, since a pasted text can be very long and a word is short.
struct Tail {
    std::string folded;
    std::vector<std::size_t> starts; // where each folded byte's character starts in the text

    // The text before the last `length` folded bytes.
    std::string_view before(std::string_view text, std::size_t length) const {
        return text.substr(0, length == 0 ? text.size() : starts[folded.size() - length]);
    }
};

Tail tailOf(std::string_view text) {
    constexpr std::size_t kTailBytes = 16; // more than any word takes
    std::size_t i = text.size() > kTailBytes ? text.size() - kTailBytes : 0;
    while (i < text.size() && isContinuationByte(text[i])) {
        ++i; // a character's continuation bytes: start on the next character
    }
    Tail tail;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        tail.starts.push_back(i);
        if ((c == '\xC2' && next == '\xB5') || (c == '\xCE' && next == '\xBC')) {
            tail.folded += 'u';
            ++i;
        } else {
            tail.folded += c;
        }
    }
    return tail;
}

char lowerCase(char c) {
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

bool endsWith(std::string_view text, const Word& word) {
    if (text.size() < word.text.size()) {
        return false;
    }
    const std::string_view end = text.substr(text.size() - word.text.size());
    for (std::size_t i = 0; i < end.size(); ++i) {
        const char c = word.exact ? end[i] : lowerCase(end[i]);
        if (c != word.text[i]) {
            return false;
        }
    }
    return true;
}

// The longest word the text ends with, among those the candidates offer.
struct Ending {
    const UnitWords* unit = nullptr;
    std::size_t length = 0;

    void consider(std::string_view text, const Word& word, const UnitWords* of) {
        if (endsWith(text, word) && word.text.size() > length) {
            unit = of;
            length = word.text.size();
        }
    }
};

// The longest word of the table's units that the text ends with.
Ending endingIn(std::string_view text, const UnitTable& table) {
    Ending ending;
    for (const UnitWords& unit : table.units) {
        for (const Word& word : unit.words) {
            ending.consider(text, word, &unit);
        }
    }
    return ending;
}

// The length of the longest word of another box's units, or of the ohm, that the text ends
// with; 0 when there is none.
std::size_t foreignEndingLength(std::string_view text, Unit own) {
    Ending foreign;
    for (const UnitTable& table : kTables) {
        if (table.unit != own) {
            const Ending ending = endingIn(text, table);
            foreign.length = std::max(foreign.length, ending.length);
        }
    }
    for (const Word& word : kOhmWords) {
        foreign.consider(text, word, nullptr);
    }
    return foreign.length;
}

} // namespace

UnitEnding unitEnding(std::string_view plain, Unit unit) {
    const Tail tail = tailOf(plain);
    const UnitTable* table = tableOf(unit);
    const Ending own = table != nullptr ? endingIn(tail.folded, *table) : Ending{};
    const std::size_t foreign = foreignEndingLength(tail.folded, unit);
    UnitEnding ending;
    if (foreign > own.length) {
        ending.kind = UnitEnding::Kind::Foreign;
        ending.bytes = plain.size() - tail.before(plain, foreign).size();
    } else if (own.unit != nullptr) {
        ending.kind = UnitEnding::Kind::Own;
        ending.bytes = plain.size() - tail.before(plain, own.length).size();
        ending.scale = Scale{own.unit->factor, own.unit->divides};
    }
    return ending;
}

std::optional<Scale> codeLetterScale(std::string_view letter, Unit unit) {
    const UnitTable* table = tableOf(unit);
    if (table == nullptr || letter.empty()) {
        return std::nullopt;
    }
    const Tail folded = tailOf(letter);
    if (folded.folded.size() != 1) {
        return std::nullopt;
    }
    const char typed = folded.folded[0];
    for (const char code : table->codeLetters) {
        if (code == kPointLetter && lowerCase(typed) == kPointLetter) {
            return Scale{};
        }
        for (const UnitWords& named : table->units) {
            for (const Word& word : named.words) {
                const char compared = word.exact ? typed : lowerCase(typed);
                if (word.text.size() == 1 && word.text[0] == code && compared == code) {
                    return Scale{named.factor, named.divides};
                }
            }
        }
    }
    return std::nullopt;
}

std::string_view unitSymbol(Unit unit) {
    const UnitTable* table = tableOf(unit);
    return table != nullptr ? table->base : std::string_view();
}

std::string unitsHint(Unit unit) {
    const UnitTable* table = tableOf(unit);
    if (table == nullptr) {
        return std::string();
    }
    std::string hint = "Unités : ";
    for (const UnitWords& named : table->units) {
        if (&named != &table->units.front()) {
            hint += ", ";
        }
        hint += named.symbol;
        std::string others;
        for (const Word& word : named.words) {
            if (!word.shown.empty()) {
                others += (others.empty() ? "" : ", ") + std::string(word.shown);
            }
        }
        if (!others.empty()) {
            hint += " (" + others + ")";
        }
    }
    hint += " ; " + std::string(table->base) + " si rien n'est indiqué";
    if (!table->codesHint.empty()) {
        hint += " ; codes " + std::string(table->codesHint);
    }
    return hint;
}

} // namespace formules
