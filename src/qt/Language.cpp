#include "Language.h"

#include "forms/Languages.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <clocale>
#include <memory>
#include <vector>

namespace formules {

namespace {

// The name of the translator speak() installs, so that a later call replaces it.
constexpr char kInstalled[] = "formules-language";

// Installs a translator owned by the application; nothing when the file cannot be loaded.
void install(QCoreApplication& application, const QString& file, const QString& folder) {
    auto translator = std::make_unique<QTranslator>(&application);
    translator->setObjectName(QString::fromLatin1(kInstalled));
    if (translator->load(file, folder)) {
        QCoreApplication::installTranslator(translator.release());
    }
}

void uninstallAll(QCoreApplication& application) {
    const auto installed = application.findChildren<QTranslator*>(QString::fromLatin1(kInstalled),
                                                                  Qt::FindDirectChildrenOnly);
    for (QTranslator* translator : installed) {
        QCoreApplication::removeTranslator(translator);
        delete translator; // owned by the application until now, and no longer in use
    }
}

// The user's languages kept by the fallback; empty when the C library had the locale.
QStringList& keptInterfaceLanguages() {
    static QStringList languages;
    return languages;
}

// Asks the C library for the environment's locale in every category without changing its own.
bool cLibraryHasTheLocale() {
    const locale_t locale = newlocale(LC_ALL_MASK, "", locale_t(0));
    if (locale == locale_t(0)) {
        return false;
    }
    freelocale(locale);
    return true;
}

} // namespace

void fallBackFromMissingLocale(const QLocale& user, const QStringList& uiLanguages) {
    keptInterfaceLanguages().clear();
    if (cLibraryHasTheLocale()) {
        return;
    }
    keptInterfaceLanguages() = uiLanguages;
    QLocale::setDefault(QLocale(user.name()));
    qputenv("LC_ALL", "C.UTF-8");
}

QStringList userInterfaceLanguages() {
    return keptInterfaceLanguages().isEmpty() ? QLocale().uiLanguages() : keptInterfaceLanguages();
}

std::string desktopLanguage() {
    std::vector<std::string> languages;
    for (const QString& language : userInterfaceLanguages()) {
        languages.push_back(language.toStdString());
    }
    return chooseLanguage(languages);
}

bool isReadableLocaleName(const QString& name) {
    for (QString item : name.split(QLatin1Char(':'))) {
        item = item.section(QLatin1Char('@'), 0, 0).section(QLatin1Char('.'), 0, 0);
        if (item == QLatin1String("C") || item == QLatin1String("POSIX")) {
            continue;
        }
        qsizetype cut = item.indexOf(QLatin1Char('_'));
        if (cut < 0) {
            cut = item.indexOf(QLatin1Char('-'));
        }
        const QString language = item.left(cut);
        const QString region = cut < 0 ? QString() : item.mid(cut + 1);
        const bool regionOk = cut < 0 || (region.size() >= 2 && region.size() <= 3) ||
                              (region.startsWith(QLatin1Char('z')) && region.size() < 5);
        if (language.size() < 2 || language.size() > 3 || !regionOk) {
            return false;
        }
    }
    return true;
}

void quietenUnreadableLocale(const QString& language) {
    if (!qEnvironmentVariableIsEmpty("FC_LANG")) {
        return;
    }
    for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        if (!qEnvironmentVariableIsEmpty(variable)) {
            if (!isReadableLocaleName(qEnvironmentVariable(variable))) {
                qputenv("FC_LANG", language.toLatin1());
            }
            return;
        }
    }
}

bool speak(QCoreApplication& application, const std::string& language) {
    if (!speaks(language)) {
        return false;
    }
    uninstallAll(application);
    install(application, QStringLiteral("qtbase_") + QString::fromStdString(language),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return true;
}

} // namespace formules
