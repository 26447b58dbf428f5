#pragma once

#include <cstddef>

namespace formules {

// The translation catalogues (data/translations/formules_LANGUAGE.ts), compiled into the program
// as it builds (cmake/CompileCatalogues.cmake). Read them through Languages.h.

// One translated text: its context, its French source, and its translation.
struct CatalogueText {
    const char* context;
    const char* source;
    const char* translation;
};

// The catalogue of one language ("de", "en"...).
struct Catalogue {
    const char* language;
    const CatalogueText* texts;
    std::size_t count;
};

extern const Catalogue kCatalogues[];
extern const std::size_t kCatalogueCount;

} // namespace formules
