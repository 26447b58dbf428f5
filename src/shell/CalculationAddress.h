#pragma once

// The address of a calculation: the fragment of the page's address (the part after "#", which no
// server sees) that names a calculator and the texts the user typed into its boxes, so that a
// bookmark, a shared link or the desktop's command line opens the same calculation. One grammar,
// read and written here, for the page and the desktop alike:
//
//   NAME?SYMBOL=TEXT&SYMBOL=TEXT...       #spires?L=4u7&D=25,4%20mm&l=2
//
// NAME is the calculator's name in the registry of windows (resonance, xl, xc, spires,
// inductance, tore), SYMBOL its boxes' symbols (C, f, L, D, l, N, tore), and TEXT the box's text
// in UTF-8, percent-encoded but for letters, digits, "-", ".", "_", "~" and ",". The boxes come in
// the order of the calculator's table; the result the program wrote is never among them.

#include "forms/FormId.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace formules {

// A calculator and the texts to type into its boxes, by box name, in the order of its table.
struct AddressedCalculation {
    FormId form;
    std::vector<std::pair<std::string, std::string>> texts;
};

// The longest fragment read: a longer one is ignored (a forum or a chat cuts such addresses).
inline constexpr std::size_t kMostFragmentBytes = 2000;

// The fragment that names the calculation: the calculator and the texts given, box by box.
std::string calculationFragment(const AddressedCalculation& calculation);

// The calculation a fragment names, when the page could have written it: a known calculator, each
// of its boxes at most once and none that holds a result, a text for every box its "Calcul" needs
// (one of the three left for the resonance and toroid windows), no empty text, well-formed
// percent-encoding, valid UTF-8 without control characters, at most kMostFragmentBytes. Nothing
// otherwise: the fragment is ignored as a whole.
std::optional<AddressedCalculation> readCalculationFragment(std::string_view fragment);

// The fragment of an address, after its first "#": "https://host/formules/#spires?L=10" and
// "#spires?L=10" both give "spires?L=10". Nothing for a text without "#".
std::optional<std::string_view> fragmentOf(std::string_view address);

} // namespace formules
