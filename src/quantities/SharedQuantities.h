#pragma once

#include "EntryValue.h"

#include <array>

namespace formules {

// The one process-wide record that the five calculator windows share. Every field starts
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
};

// The eight quantities in the record's order, with the names the formulas sheet uses.
inline constexpr std::array<QuantityName, 8> kQuantityNames{{
    {"capacite", &SharedQuantities::capacite},
    {"frequence", &SharedQuantities::frequence},
    {"inductance", &SharedQuantities::inductance},
    {"XC", &SharedQuantities::XC},
    {"XL", &SharedQuantities::XL},
    {"longueur", &SharedQuantities::longueur},
    {"diametre", &SharedQuantities::diametre},
    {"NbreSp", &SharedQuantities::NbreSp},
}};

} // namespace formules
