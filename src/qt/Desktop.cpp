#include "Desktop.h"

#include "FocusRingStyle.h"
#include "Fonts.h"
#include "Language.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QLocale>

namespace formules {

std::string nameApplication(QApplication& application) {
    QApplication::setApplicationName(QStringLiteral("Formules"));
    QApplication::setApplicationVersion(QStringLiteral(FORMULES_VERSION));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileName));
    const std::string language = desktopLanguage();
    quietenUnreadableLocale(QString::fromStdString(language));
    speak(application, language);
    return language;
}

std::string prepareDesktopApplication(QApplication& application) {
    const std::string language = nameApplication(application);
    dressApplication();
    return language;
}

void dressApplication() {
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
}

} // namespace formules
