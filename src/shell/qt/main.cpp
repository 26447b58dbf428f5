#include "Desktop.h"
#include "QtToolkit.h"
#include "shell/Application.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication qtApplication(argc, argv);
    prepareDesktopApplication(qtApplication);
    // The program ends through "Quitter" or by closing the main window, never on its own.
    QApplication::setQuitOnLastWindowClosed(false);

    QtToolkit toolkit;
    Application application(toolkit);
    toolkit.setCloseListener([&application](FormId id) { application.close(id); });
    application.start();
    return QApplication::exec();
}
