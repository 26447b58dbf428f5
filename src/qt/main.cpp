#include "CommandLine.h"
#include "Desktop.h"
#include "Language.h"
#include "QtToolkit.h"
#include "shell/Application.h"

#include <QApplication>
#include <QLocale>

#include <string>

int main(int argc, char* argv[]) {
    formules::fallBackFromMissingLocale(QLocale::system(), QLocale::system().uiLanguages());
    QApplication qtApplication(argc, argv);
    const std::string language = formules::nameApplication(qtApplication);
    std::string address;
    if (const auto status =
            formules::readCommandLine(QApplication::arguments(), language, address)) {
        return *status;
    }
    formules::dressApplication();
    // The program ends through "Quitter" or by closing the main window, never on its own.
    QApplication::setQuitOnLastWindowClosed(false);

    formules::QtToolkit toolkit;
    toolkit.setLanguage(language);
    formules::Application application(toolkit);
    application.start();
    application.openAddress(address);
    return QApplication::exec();
}
