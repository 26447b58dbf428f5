#include "AccessKeys.h"

#include "quantities/Utf8.h"

#include <cctype>

namespace formules {

std::string markedWithAccessKey(std::string caption, char key) {
    if (key == '\0' || caption.find('&') != std::string::npos) {
        return caption;
    }
    const auto sameLetter = [key](char c) {
        return std::tolower(static_cast<unsigned char>(c)) ==
               std::tolower(static_cast<unsigned char>(key));
    };
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (sameLetter(caption[i])) {
            caption.insert(i, 1, '&');
            break;
        }
    }
    return caption;
}

std::string withoutAccessKeys(std::string_view caption) {
    const AccessKeyParts parts = splitAtAccessKey(caption);
    return parts.before + parts.key + parts.after;
}

// Only the first mark makes a key; a later one is removed like it.
AccessKeyParts splitAtAccessKey(std::string_view caption) {
    AccessKeyParts parts;
    std::string* current = &parts.before;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        const bool marks = caption[i] == '&' && i + 1 < caption.size();
        if (!marks) {
            *current += caption[i];
            continue;
        }
        ++i;
        const std::size_t length = characterLength(caption[i]);
        if (caption[i] != '&' && current == &parts.before) {
            parts.key = std::string(caption.substr(i, length));
            i += length - 1;
            current = &parts.after;
        } else {
            *current += caption.substr(i, length);
            i += length - 1;
        }
    }
    return parts;
}

} // namespace formules
