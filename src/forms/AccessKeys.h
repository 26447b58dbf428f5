#pragma once

#include <string>
#include <string_view>

namespace formules {

// Access keys, as every toolkit shows them: a caption marks its key with an ampersand before it
// ("&Calcul": Alt+C), and "&&" stands for one ampersand.

// The caption with its access key marked: a caption that a translation has already marked keeps
// its own mark; otherwise the first letter that is the key, in either case, is marked. A caption
// without that letter (a translation may lack it) has no access key.
std::string markedWithAccessKey(std::string caption, char key);

// A caption as it shows: each mark removed, "&&" showing one ampersand.
std::string withoutAccessKeys(std::string_view caption);

// A marked caption split around its key: the text before it, the key's character (UTF-8), and
// the text after it; the key is empty when the caption has none.
struct AccessKeyParts {
    std::string before;
    std::string key;
    std::string after;
};
AccessKeyParts splitAtAccessKey(std::string_view caption);

} // namespace formules
