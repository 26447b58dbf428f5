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

void nameApplication(QApplication& application) {
    QApplication::setApplicationName(QStringLiteral("Formules"));
    QApplication::setApplicationVersion(QStringLiteral(FORMULES_VERSION));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileName));
    const QString language = chooseLanguage(userInterfaceLanguages());
    quietenUnreadableLocale(language);
    speak(application, language);
}

void prepareDesktopApplication(QApplication& application) {
    nameApplication(application);
    dressApplication();
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
