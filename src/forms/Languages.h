#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace formules {

// The languages the program speaks, and its texts in each: one lookup for every toolkit.

// The program's own language, in which every text of its code is written.
inline constexpr char kSourceLanguage[] = "fr";

// The context every text the windows show is translated in: one, so that a text that stands in
// several windows ("Calcul", a unit hint) is translated once.
inline constexpr char kTextContext[] = "Formules";

// French, then every language the program has a catalogue for, as language codes ("de", "en").
std::vector<std::string> spokenLanguages();

// Whether the program speaks the language, given by its code.
bool speaks(std::string_view language);

// The first of the user's languages, in order of preference, that the program speaks; French
// when it speaks none. A name counts by its language: "de", "de-AT", "de_AT.UTF-8" and "DE" all
// name German; "C", "POSIX" and malformed names name none.
std::string chooseLanguage(const std::vector<std::string>& preferred);

// The user's locale as a toolkit reports it: the desktop's, or the browser's first language, with
// the decimal separator it writes numbers with there.
struct UserLocale {
    std::string name; // "de_CH", "en-US", "fr"
    std::string decimalSeparator;
};

// The separator results are written with, decided the same way on every toolkit: the user's
// locale's when it is in the windows' language (Swiss German writes 1.5), that language's own
// otherwise (English windows on a French desktop write 1.5, as they read "14,230" as 14230).
std::string resultsSeparator(std::string_view windowsLanguage,
                             const std::optional<UserLocale>& locale);

// The decimal separator the language writes numbers with where no region says otherwise; empty
// for a language the program does not speak.
std::string_view ownDecimalSeparator(std::string_view language);

// The text in the language: its translation when the language's catalogue has one, the text
// itself otherwise (always in French). A translation may mark an access key with "&".
std::string translate(std::string_view language, std::string_view text,
                      std::string_view context = kTextContext);

} // namespace formules
