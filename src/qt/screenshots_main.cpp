// Opens every window of the program and saves a PNG of each into the folder given as the only
// argument: how the README's pictures are made and how the windows are checked by eye. Each
// calculator shows the result and design help of its example in the registry of windows: a 40 m
// tank circuit and its coil, the reactances typed with a unit and with component codes.
#include "Desktop.h"
#include "FormWindow.h"
#include "Language.h"
#include "QtToolkit.h"
#include "shell/Application.h"
#include "shell/Windows.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QPixmap>

#include <cstdio>

int main(int argc, char* argv[]) {
    using namespace formules;
    fallBackFromMissingLocale(QLocale::system(), QLocale::system().uiLanguages());
    QApplication qtApplication(argc, argv);
    const std::string language = prepareDesktopApplication(qtApplication);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: formules-screenshots FOLDER\n");
        return 2;
    }
    const QDir folder(arguments.at(1));
    const QString suffix = qgetenv("FORMULES_SCREENSHOT_SUFFIX");

    QtToolkit toolkit;
    toolkit.setLanguage(language);
    Application application(toolkit);
    application.start();
    for (const WindowRow& row : windows()) {
        application.show(row.id);
    }
    // Each calculator's example, typed with the decimal separator of the user's locale, as a
    // user types it.
    for (const WindowRow& row : windows()) {
        Form& form = *application.find(row.id);
        for (const TypedText& typed : row.example.typed) {
            if (!typed.box.empty()) {
                const QString text =
                    QString::fromUtf8(typed.text.data(), qsizetype(typed.text.size()));
                toolkit.writeBox(form, typed.box,
                                 QString(text)
                                     .replace(QLatin1Char(','),
                                              QString::fromStdString(toolkit.decimalSeparator()))
                                     .toStdString());
            }
        }
        if (row.isCalculator()) {
            form.click(CalculatorButtons::Command1);
        }
    }
    QApplication::processEvents();
    int failures = 0;
    for (const WindowRow& row : windows()) {
        const QString name = QString::fromLatin1(row.name.data(), qsizetype(row.name.size()));
        FormWindow* window = toolkit.window(*application.find(row.id));
        const QString path = folder.filePath(name + suffix + ".png");
        // The focus ring would stand in whichever window the display happens to activate.
        if (QWidget* focused = QApplication::focusWidget()) {
            focused->clearFocus();
        }
        if (window == nullptr || !window->grab().save(path)) {
            std::fprintf(stderr, "could not save %s\n", qPrintable(path));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
