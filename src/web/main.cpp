// The program in a web page: the page (site/page.js) starts it once the module has loaded and
// hands it the user's events; it shows its windows through the web toolkit. It lives as long
// as the page.
#include "Page.h"
#include "WebToolkit.h"
#include "forms/Languages.h"
#include "shell/Application.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <string>
#include <string_view>
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

// The lines of the text, without a string stream: the streams bring the whole of the C++
// library's locale machinery into the module, a quarter of its code.
std::vector<std::string> lines(std::string_view text) {
    std::vector<std::string> result;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        result.emplace_back(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return result;
}

} // namespace

extern "C" {

// Starts the program in the first language of the list (UTF-8 of the length given, one name a
// line, in order of preference) that it speaks, opens the calculation the page's address names
// (its fragment, "#spires?..."; nothing for most addresses), and returns that language. From then
// on the page's address follows the calculation shown.
EMSCRIPTEN_KEEPALIVE const formules::page::CrossingText*
formules_start(const char* preferredLanguages, int length, const char* fragment,
               int fragmentLength) {
    static std::string language;
    static formules::page::CrossingText result;
    language = formules::chooseLanguage(
        lines(std::string_view(preferredLanguages, static_cast<std::size_t>(length))));
    program().toolkit.setLanguage(language);
    program().application.start();
    program().application.openAddress(
        std::string_view(fragment, static_cast<std::size_t>(fragmentLength)));
    program().application.setAddressListener(
        [](const std::string& address) { formules::page::setAddress(address); });
    result = {language.data(), static_cast<std::int32_t>(language.size())};
    return &result;
}

// Runs the handlers of the events the page has queued.
EMSCRIPTEN_KEEPALIVE void formules_deliver() {
    program().toolkit.deliverEvents();
}
}
