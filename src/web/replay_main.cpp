// The replay driver in a web page (the site's page, with this program): runs a script of user
// events on the program's windows in the page, done as the browser delivers a user's, and returns
// its transcript; the same transcripts as on the other toolkits. scripts/replay-web drives it in
// headless Chromium.
#include "Page.h"
#include "WebUser.h"
#include "forms/Languages.h"
#include "replay/ReplayDriver.h"

#include <emscripten/emscripten.h>

#include <sstream>
#include <string>

extern "C" {

// Runs the script in the language (a code of the languages the program speaks), each UTF-8 of
// the length given, and returns the transcript, then a line with the exit status
// formules-replay gives: 0, 1 after a bad line, or 2 for a language the program does not speak.
EMSCRIPTEN_KEEPALIVE const formules::page::CrossingText*
formules_replay(const char* script, int scriptLength, const char* language, int languageLength) {
    static std::string result;
    static formules::page::CrossingText handed;
    const std::string spoken(language, static_cast<std::size_t>(languageLength));
    if (!formules::speaks(spoken)) {
        result = "\n2";
    } else {
        static formules::WebUser user;
        user.toolkit().setLanguage(spoken);
        std::istringstream input{std::string(script, static_cast<std::size_t>(scriptLength))};
        std::ostringstream transcript;
        const int status = formules::runReplay(input, transcript, user);
        result = transcript.str() + "\n" + std::to_string(status);
    }
    handed = {result.data(), static_cast<std::int32_t>(result.size())};
    return &handed;
}
}
