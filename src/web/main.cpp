// The program in a web page: the page (site/page.js) starts it once the module has loaded and
// hands it the user's events; it shows its windows through the web toolkit. It lives as long
// as the page.
#include "WebToolkit.h"
#include "forms/Languages.h"
#include "shell/Application.h"

#include <emscripten/emscripten.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

struct Program {
    formules::WebToolkit toolkit;
    formules::Application application{toolkit};
};

Program& program() {
    static Program instance;
    return instance;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        result.push_back(line);
    }
    return result;
}

} // namespace

extern "C" {

// Starts the program in the first language of the list (UTF-8 of the length given, one name a
// line, in order of preference) that it speaks, and returns that language.
EMSCRIPTEN_KEEPALIVE const char* formules_start(const char* preferredLanguages, int length) {
    static std::string language;
    language = formules::chooseLanguage(
        lines(std::string(preferredLanguages, static_cast<std::size_t>(length))));
    program().toolkit.setLanguage(language);
    program().application.start();
    return language.c_str();
}

// Runs the handlers of the events the page has queued.
EMSCRIPTEN_KEEPALIVE void formules_deliver() {
    program().toolkit.deliverEvents();
}
}
