#pragma once

#include "EntryValue.h"
#include "Units.h"

#include <cstddef>
#include <iterator>
#include <vector>

namespace formules {

// The one process-wide record that the calculator windows share. Every field starts
// Empty and lives in memory until the program ends; nothing saves it.
struct SharedQuantities {
    EntryValue capacite;   // picofarad
    EntryValue frequence;  // kilohertz
    EntryValue inductance; // microhenry
    EntryValue XC;         // ohm, reactance of a capacitor
    EntryValue XL;         // ohm, reactance of an inductor
    EntryValue longueur;   // centimetre, coil length
    EntryValue diametre;   // centimetre, coil diameter
    EntryValue NbreSp;     // turns of a coil
};

// Names a field of SharedQuantities, so that tables can bind boxes to quantities.
using Quantity = EntryValue SharedQuantities::*;

struct QuantityName {
    const char* name;
    Quantity field;
    Unit unit; // the unit its boxes are read in, unit words included
    // What a message calls it when its box is not understood, in French; empty for a result
    // that no box feeds a calculation with.
    const char* word;
    // The symbol that names its box in the address of a calculation ("f" in
    // "#resonance?f=7100&L=4u7"); empty for a result that an address never holds.
    const char* symbol;
};

// The quantities in the record's order, with the names the formulas sheet uses.
inline constexpr QuantityName kQuantityNames[] = {
    {"capacite", &SharedQuantities::capacite, Unit::Picofarad, "capacité", "C"},
    {"frequence", &SharedQuantities::frequence, Unit::Kilohertz, "fréquence", "f"},
    {"inductance", &SharedQuantities::inductance, Unit::Microhenry, "inductance", "L"},
    {"XC", &SharedQuantities::XC, Unit::None, "", ""},
    {"XL", &SharedQuantities::XL, Unit::None, "", ""},
    {"longueur", &SharedQuantities::longueur, Unit::Centimetre, "longueur", "l"},
    {"diametre", &SharedQuantities::diametre, Unit::Centimetre, "diamètre", "D"},
    {"NbreSp", &SharedQuantities::NbreSp, Unit::None, "nombre de spires", "N"},
};

// Every field of the record has its row, once: no field twice, and as many rows as the record
// has fields (they are all EntryValues, so the record's size counts them).
constexpr bool eachFieldOnce() {
    for (std::size_t i = 0; i < std::size(kQuantityNames); ++i) {
        for (std::size_t j = i + 1; j < std::size(kQuantityNames); ++j) {
            if (kQuantityNames[i].field == kQuantityNames[j].field) {
                return false;
            }
        }
    }
    return sizeof(SharedQuantities) == std::size(kQuantityNames) * sizeof(EntryValue);
}
static_assert(eachFieldOnce(), "each field of SharedQuantities needs one row in kQuantityNames");

constexpr Unit unitOf(Quantity quantity) {
    for (const QuantityName& named : kQuantityNames) {
        if (named.field == quantity) {
            return named.unit;
        }
    }
    return Unit::None;
}

constexpr const char* symbolOf(Quantity quantity) {
    for (const QuantityName& named : kQuantityNames) {
        if (named.field == quantity) {
            return named.symbol;
        }
    }
    return "";
}

constexpr const char* wordOf(Quantity quantity) {
    for (const QuantityName& named : kQuantityNames) {
        if (named.field == quantity) {
            return named.word;
        }
    }
    return "";
}

// What the messages call the quantity each input box holds ("fréquence", "nombre de spires"...).
inline std::vector<const char*> quantityWords() {
    std::vector<const char*> words;
    for (const QuantityName& named : kQuantityNames) {
        if (*named.word != '\0') {
            words.push_back(named.word);
        }
    }
    return words;
}

} // namespace formules
