// formules-replay [--qt]: runs a script of user events (standard input) and writes its
// transcript (standard output), on the in-memory windows or, with --qt, on the real Qt windows
// (offscreen unless there is a display).
#include "Desktop.h"
#include "QtUser.h"
#include "replay/HeadlessUser.h"
#include "replay/ReplayDriver.h"

#include <QApplication>

#include <cstdio>
#include <iostream>
#include <string_view>

int main(int argc, char* argv[]) {
    const bool onQt = argc == 2 && std::string_view(argv[1]) == "--qt";
    if (argc > 2 || (argc == 2 && !onQt)) {
        std::fprintf(stderr, "usage: formules-replay [--qt] < SCRIPT\n");
        return 2;
    }
    if (!onQt) {
        formules::HeadlessUser user;
        return formules::runReplay(std::cin, std::cout, user);
    }
    const bool display =
        !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (!display && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication qtApplication(argc, argv);
    formules::prepareDesktopApplication(qtApplication);
    QApplication::setQuitOnLastWindowClosed(false);
    formules::QtUser user;
    return formules::runReplay(std::cin, std::cout, user);
}
