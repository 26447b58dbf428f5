#include "Desktop.h"

#include "FocusRingStyle.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace formules {

void prepareDesktopApplication(QApplication& application) {
    QApplication::setApplicationName(QStringLiteral("Formules"));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileName));
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
    }
    QApplication::setWindowIcon(icon);
    // Fusion draws buttons and boxes in the colours the windows ask for on every desktop.
    QApplication::setStyle(new FocusRingStyle);
    installQtTranslations(application);
}

QTranslator* installQtTranslations(QCoreApplication& application) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return nullptr;
    }
    translator->setParent(&application);
    QCoreApplication::installTranslator(translator.get());
    return translator.release();
}

} // namespace formules
