// The replay driver in a web page (the site's page, with this program): runs a script of user
// events on the program's windows in the page, done as the browser delivers a user's, and returns
// its transcript; the same transcripts as on the other toolkits. scripts/replay-web drives it in
// headless Chromium.
#include "WebUser.h"
#include "forms/Languages.h"
#include "replay/ReplayDriver.h"

#include <emscripten/emscripten.h>

#include <sstream>
#include <string>

extern "C" {

// Runs the script in the language (a code of the languages the program speaks) and returns the
// transcript, then a line with the exit status formules-replay gives: 0, 1 after a bad line, or
// 2 for a language the program does not speak.
EMSCRIPTEN_KEEPALIVE const char* formules_replay(const char* script, const char* language) {
    static std::string result;
    if (!formules::speaks(language)) {
        result = "\n2";
        return result.c_str();
    }
    static formules::WebUser user;
    user.toolkit().setLanguage(language);
    std::istringstream input{std::string(script)};
    std::ostringstream transcript;
    const int status = formules::runReplay(input, transcript, user);
    result = transcript.str() + "\n" + std::to_string(status);
    return result.c_str();
}
}
