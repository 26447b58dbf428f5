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

// The same translations on both toolkits: the in-memory one asks Qt's.
std::string translated(std::string_view text) {
    return QCoreApplication::translate(formules::kTextContext, std::string(text).c_str())
        .toStdString();
}

} // namespace

int main(int argc, char* argv[]) {
    bool onQt = false;
    QString language = QString::fromLatin1(formules::kSourceLanguage);
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        if (argument == "--qt") {
            onQt = true;
        } else if (argument == "--language" && i + 1 < argc) {
            language = QString::fromUtf8(argv[++i]);
        } else {
            return usage();
        }
    }
    if (!onQt) {
        QCoreApplication core(argc, argv);
        if (!formules::speak(core, language)) {
            return usage();
        }
        formules::HeadlessUser user;
        user.setTranslator(translated);
        return formules::runReplay(std::cin, std::cout, user);
    }
    const bool display =
        !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (!display && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication qtApplication(argc, argv);
    formules::prepareDesktopApplication(qtApplication);
    if (!formules::speak(qtApplication, language)) {
        return usage();
    }
    QApplication::setQuitOnLastWindowClosed(false);
    formules::QtUser user;
    return formules::runReplay(std::cin, std::cout, user);
}
