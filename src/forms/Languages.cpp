#include "Languages.h"

#include "Catalogues.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <utility>

namespace formules {

namespace {

using TextKey = std::pair<std::string_view, std::string_view>; // context, source

using Texts = std::map<TextKey, std::string_view>;

// A language's texts by context and source, indexed on the first lookup in that language; none
// for French, or a language without a catalogue.
const Texts* textsOf(std::string_view language) {
    static std::map<std::string, Texts, std::less<>> indexed;
    const auto known = indexed.find(language);
    if (known != indexed.end()) {
        return &known->second;
    }
    for (std::size_t c = 0; c < kCatalogueCount; ++c) {
        if (language == kCatalogues[c].language) {
            Texts& texts = indexed[std::string(language)];
            for (std::size_t t = 0; t < kCatalogues[c].count; ++t) {
                const CatalogueText& text = kCatalogues[c].texts[t];
                texts.emplace(TextKey{text.context, text.source}, text.translation);
            }
            return &texts;
        }
    }
    return nullptr;
}

// The language part of a name, in lower case: "de" for "de-AT" or "de_AT.UTF-8"; empty when it
// is not two or three letters.
std::string languageOf(std::string_view name) {
    const std::string_view language = name.substr(0, name.find_first_of("-_.@"));
    const bool letters = std::all_of(language.begin(), language.end(), [](char c) {
        return std::isalpha(static_cast<unsigned char>(c)) != 0;
    });
    if (!letters || language.size() < 2 || language.size() > 3) {
        return std::string();
    }
    std::string lower(language);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return char(std::tolower(static_cast<unsigned char>(c))); });
    return lower;
}

// The separator of each language the program speaks, as its national standards write numbers.
struct LanguageSeparator {
    const char* language;
    const char* separator;
};
constexpr LanguageSeparator kOwnSeparators[] = {
    {"fr", ","}, {"en", "."}, {"de", ","}, {"es", ","}, {"it", ","},
};

} // namespace

std::string_view ownDecimalSeparator(std::string_view language) {
    for (const LanguageSeparator& own : kOwnSeparators) {
        if (language == own.language) {
            return own.separator;
        }
    }
    return {};
}

std::string resultsSeparator(std::string_view windowsLanguage,
                             const std::optional<UserLocale>& locale) {
    if (locale && !locale->decimalSeparator.empty() &&
        languageOf(locale->name) == windowsLanguage) {
        return locale->decimalSeparator;
    }
    const std::string_view own = ownDecimalSeparator(windowsLanguage);
    return std::string(own.empty() ? ownDecimalSeparator(kSourceLanguage) : own);
}

std::vector<std::string> spokenLanguages() {
    std::vector<std::string> languages{kSourceLanguage};
    for (std::size_t c = 0; c < kCatalogueCount; ++c) {
        languages.emplace_back(kCatalogues[c].language);
    }
    return languages;
}

bool speaks(std::string_view language) {
    const std::vector<std::string> spoken = spokenLanguages();
    return std::find(spoken.begin(), spoken.end(), language) != spoken.end();
}

std::string chooseLanguage(const std::vector<std::string>& preferred) {
    for (const std::string& name : preferred) {
        const std::string language = languageOf(name);
        if (speaks(language)) {
            return language;
        }
    }
    return kSourceLanguage;
}

// An empty text (a caption, a hint or a name left blank) stays empty in every language.
std::string translate(std::string_view language, std::string_view text, std::string_view context) {
    if (text.empty()) {
        return std::string();
    }
    if (const auto* texts = textsOf(language)) {
        const auto found = texts->find(TextKey{context, text});
        if (found != texts->end()) {
            return std::string(found->second);
        }
    }
    return std::string(text);
}

} // namespace formules
