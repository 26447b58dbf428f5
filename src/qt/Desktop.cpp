#include "Desktop.h"

#include "FocusRingStyle.h"
#include "Fonts.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace formules {

void prepareDesktopApplication(QApplication& application) {
    QApplication::setApplicationName(QStringLiteral("Formules"));
    QApplication::setApplicationVersion(QStringLiteral(FORMULES_VERSION));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileName));
    // The window icon in every size the program embeds, each file named after its size.
    QIcon icon;
    for (const QFileInfo& file : QDir(QStringLiteral(":/icons")).entryInfoList()) {
        const int size = file.baseName().toInt();
        icon.addFile(file.filePath(), QSize(size, size));
    }
    QApplication::setWindowIcon(icon);
    // Fusion draws buttons and boxes in the colours the windows ask for on every desktop.
    QApplication::setStyle(new FocusRingStyle);
    preferProportionalDefaultFont();
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
