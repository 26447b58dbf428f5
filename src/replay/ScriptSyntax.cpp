#include "ScriptSyntax.h"

namespace formules {

std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '"':
            out += "\\\"";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        default:
            out += c;
        }
    }
    return out + "\"";
}

Words split(std::string_view line) {
    Words result;
    std::size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t') {
            ++i;
            continue;
        }
        std::string word;
        if (line[i] != '"') {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t') {
                word += line[i++];
            }
            result.words.push_back(word);
            result.wasQuoted.push_back(false);
            continue;
        }
        ++i;
        bool closed = false;
        while (i < line.size() && !closed) {
            const char c = line[i++];
            if (c == '"') {
                closed = true;
            } else if (c != '\\') {
                word += c;
            } else if (i < line.size()) {
                const char escaped = line[i++];
                if (escaped == 'n') {
                    word += '\n';
                } else if (escaped == 't') {
                    word += '\t';
                } else if (escaped == '\\' || escaped == '"') {
                    word += escaped;
                } else {
                    result.error = "bad escape \\" + std::string(1, escaped);
                    return result;
                }
            }
        }
        if (!closed) {
            result.error = "unterminated text";
            return result;
        }
        result.words.push_back(word);
        result.wasQuoted.push_back(true);
    }
    return result;
}

} // namespace formules
