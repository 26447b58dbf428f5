#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace formules {

// How the replay driver's scripts and transcripts write texts: in double quotes with the escapes
// \\ \" \t \n. Numbers are written by shortestText (quantities/DecimalText.h).

// The text in double quotes, escaped.
std::string quoted(std::string_view text);

// A script line split into its words: blanks separate them, and a quoted text is one word,
// unescaped. On a bad escape or an unterminated text, the error says which.
struct Words {
    std::vector<std::string> words;
    std::vector<bool> wasQuoted;
    std::string error;
};
Words split(std::string_view line);

} // namespace formules
