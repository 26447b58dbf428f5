// Opens every window of the program and saves a PNG of each into the folder given as the only
// argument: how the README's pictures are made and how the windows are checked by eye. Each
// calculator shows a result and its design help: a 40 m tank circuit and its coil, the reactances
// typed with a unit and with component codes.
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
#include <utility>
#include <vector>

namespace {

using formules::FormId;

// The values typed into each calculator before its "Calcul" is pressed, with the decimal
// separator of the user's locale, as a user types them.
struct Example {
    FormId id;
    std::vector<std::pair<const char*, const char*>> entries;
};

const Example kExamples[] = {
    {FormId::Form4, {{"Text2", "7100"}, {"Text3", "4.7"}}},
    {FormId::Form2, {{"Text1", "7.1 MHz"}, {"Text2", "4u7"}}},
    {FormId::Form3, {{"Text1", "7.1 MHz"}, {"Text2", "106p8"}}},
    {FormId::Form5, {{"Text1", "4.7"}, {"Text2", "2.54"}, {"Text3", "2"}}},
    {FormId::Form6, {{"Text1", "2.54"}, {"Text2", "2"}, {"Text3", "17"}}},
};

} // namespace

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
    for (const Example& example : kExamples) {
        Form& form = *application.find(example.id);
        for (const auto& [box, text] : example.entries) {
            toolkit.writeBox(
                form, box,
                QString::fromLatin1(text)
                    .replace(QLatin1Char('.'), QString::fromStdString(toolkit.decimalSeparator()))
                    .toStdString());
        }
        form.click(CalculatorButtons::Command1);
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
