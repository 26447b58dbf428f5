#pragma once

#include <QString>
#include <QStringList>

#include <string>

class QCoreApplication;
class QLocale;

namespace formules {

// The language the program speaks on this desktop: the first of the user's interface languages
// (userInterfaceLanguages(), so LANGUAGE=de:en picks German) that it speaks, French otherwise.
std::string desktopLanguage();

// Run first in main, before Qt and the window system start, with the user's locale as Qt reads
// it from the environment. When the C library lacks that locale (one not generated), it runs
// in "C", whose ASCII character type garbles the accented window titles that Xlib converts, and
// GTK warns on the terminal: the C library is pointed at C.UTF-8 instead (LC_ALL), and the
// program keeps the user's locale, the default QLocale that numbers are written in, and the
// user's languages, for chooseLanguage. A locale the C library has changes nothing.
// The user's interface languages are given as the desktop reports them
// (QLocale::system().uiLanguages(), LANGUAGE first).
void fallBackFromMissingLocale(const QLocale& user, const QStringList& uiLanguages);

// The user's interface languages in order of preference (LANGUAGE=de:en gives German first),
// as they were before any fallback.
QStringList userInterfaceLanguages();

// Makes Qt's own texts (buttons of the message boxes, context menus) speak the language, when Qt
// has them; the program's texts are the toolkit's (Toolkit::setLanguage). Returns false for a
// language the program does not speak, and changes nothing then.
bool speak(QCoreApplication& application, const std::string& language);

// True when fontconfig cannot read the locale name (LANG=@@@): a language of two or three
// letters, an optional region of two or three, "C" or "POSIX", each with an optional codeset and
// modifier, as a colon-separated list.
bool isReadableLocaleName(const QString& name);

// Fontconfig reads the locale name from the environment at the first font and warns on the
// terminal about one it cannot read; it is told the program's language instead, then only.
void quietenUnreadableLocale(const QString& language);

} // namespace formules
