#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace formules {

// How the replay driver's scripts and transcripts write texts and numbers: a text in double
// quotes with the escapes \\ \" \t \n, a number in the shortest form that reads back as the
// same double.

// The text in double quotes, escaped.
std::string quoted(std::string_view text);

// The shortest decimal text of the double that reads back as it.
std::string shortest(double value);

// A script line split into its words: blanks separate them, and a quoted text is one word,
// unescaped. On a bad escape or an unterminated text, the error says which.
struct Words {
    std::vector<std::string> words;
    std::vector<bool> wasQuoted;
    std::string error;
};
Words split(std::string_view line);

} // namespace formules
