// Turns a scenario script (standard input) into a seed of the session fuzzer (standard
// output), so that the fuzzer starts from the user stories the tests already tell. Lines the
// encoding has no event for (decimal, number, dump) are left out.
#include "SessionEncoding.h"
#include "shell/Application.h"
#include "shell/HeadlessToolkit.h"
#include "shell/Windows.h"

#include <algorithm>
#include <iostream>
#include <sstream>
#include <string>

using namespace formules;

namespace {

// The text between the first and the last double quote, with the script's escapes undone.
std::string quotedText(const std::string& line) {
    const auto first = line.find('"');
    const auto last = line.rfind('"');
    std::string text;
    for (auto i = first + 1; i < last; ++i) {
        if (line[i] == '\\' && i + 1 < last) {
            const char escaped = line[++i];
            text += escaped == 'n' ? '\n' : escaped == 't' ? '\t' : escaped;
        } else {
            text += line[i];
        }
    }
    return text.substr(0, 255);
}

std::uint8_t indexIn(const std::vector<std::string>& names, const std::string& name) {
    return std::uint8_t(std::find(names.begin(), names.end(), name) - names.begin());
}

} // namespace

int main() {
    HeadlessToolkit toolkit;
    Application application(toolkit);
    std::string seed;
    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream words(line);
        std::string command;
        std::string target;
        words >> command >> target;
        const std::string formName = target.substr(0, target.find('.'));
        const std::string control = target.find('.') == std::string::npos
                                        ? std::string()
                                        : target.substr(target.find('.') + 1);
        const auto id = formNamed(formName);
        if (!id) {
            continue;
        }
        application.show(*id);
        const FormDescription& description = application.find(*id)->description();
        const auto form = char(indexOf(*id));
        if (command == "show" || command == "close") {
            seed += char(command == "show" ? SessionOp::Show : SessionOp::Close);
            seed += form;
        } else if (command == "click") {
            seed += char(SessionOp::Click);
            seed += form;
            seed += char(indexIn(clickablesOf(description), control));
        } else if (command == "type" || command == "paste") {
            const std::string text = quotedText(line);
            seed += char(command == "type" ? SessionOp::Type : SessionOp::Paste);
            seed += form;
            seed += char(indexIn(textBoxesOf(description), control));
            seed += char(text.size());
            seed += text;
        } else if (command == "erase") {
            int count = 0;
            words >> count;
            seed += char(SessionOp::Erase);
            seed += form;
            seed += char(indexIn(textBoxesOf(description), control));
            seed += char(count);
        }
    }
    std::cout << seed;
    return 0;
}
