// Opens every window of the program and saves a PNG of each into the folder given as the only
// argument: how the README's pictures are made and how the windows are checked by eye.
#include "Desktop.h"
#include "FormWindow.h"
#include "QtToolkit.h"
#include "shell/Application.h"
#include "shell/Windows.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include <cstdio>

int main(int argc, char* argv[]) {
    using namespace formules;
    QApplication qtApplication(argc, argv);
    prepareDesktopApplication(qtApplication);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: formules-screenshots FOLDER\n");
        return 2;
    }
    const QDir folder(arguments.at(1));
    const QString suffix = qgetenv("FORMULES_SCREENSHOT_SUFFIX");

    QtToolkit toolkit;
    Application application(toolkit);
    application.start();
    for (const WindowRow& row : windows()) {
        application.show(row.id);
    }
    QApplication::processEvents();
    int failures = 0;
    for (const WindowRow& row : windows()) {
        const QString name = QString::fromLatin1(row.name.data(), qsizetype(row.name.size()));
        FormWindow* window = toolkit.window(*application.find(row.id));
        const QString path = folder.filePath(name + suffix + ".png");
        if (window == nullptr || !window->grab().save(path)) {
            std::fprintf(stderr, "could not save %s\n", qPrintable(path));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
