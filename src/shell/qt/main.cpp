#include "QtToolkit.h"
#include "shell/Application.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char* argv[]) {
    QApplication qtApplication(argc, argv);
    QApplication::setApplicationName("Formules");
    // Fusion draws buttons and boxes in the colours the windows ask for on every desktop.
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    // The program ends through "Quitter" or by closing the main window, never on its own.
    QApplication::setQuitOnLastWindowClosed(false);

    QtToolkit toolkit;
    Application application(toolkit);
    toolkit.setCloseListener([&application](FormId id) { application.close(id); });
    application.start();
    return QApplication::exec();
}
