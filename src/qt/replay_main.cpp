// formules-replay [--qt] [--language LANGUAGE]: runs a script of user events (standard input)
// and writes its transcript (standard output), on the in-memory windows or, with --qt, on the
// real Qt windows (offscreen unless there is a display). The program speaks French, or the
// language given ("en", "de"...), on both toolkits alike, whatever the environment says.
#include "Desktop.h"
#include "Language.h"
#include "QtUser.h"
#include "replay/HeadlessUser.h"
#include "replay/ReplayDriver.h"

#include <QApplication>

#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>

namespace {

int usage() {
    std::fprintf(stderr, "usage: formules-replay [--qt] [--language LANGUAGE] < SCRIPT\n");
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    bool onQt = false;
    std::string language = formules::kSourceLanguage;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        if (argument == "--qt") {
            onQt = true;
        } else if (argument == "--language" && i + 1 < argc) {
            language = argv[++i];
        } else {
            return usage();
        }
    }
    if (!formules::speaks(language)) {
        return usage();
    }
    if (!onQt) {
        formules::HeadlessUser user;
        user.toolkit().setLanguage(language);
        return formules::runReplay(std::cin, std::cout, user);
    }
    const bool display =
        !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (!display && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication qtApplication(argc, argv);
    formules::prepareDesktopApplication(qtApplication);
    formules::speak(qtApplication, language);
    QApplication::setQuitOnLastWindowClosed(false);
    formules::QtUser user;
    user.toolkit().setLanguage(language);
    return formules::runReplay(std::cin, std::cout, user);
}
