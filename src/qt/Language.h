#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;
class QLocale;
class QTranslator;

namespace formules {

// The program's own language, in which every text of its code is written.
inline constexpr char kSourceLanguage[] = "fr";

// The languages the program speaks: French and those it embeds a translation for, as language
// codes ("de", "en"...).
QStringList spokenLanguages();

// The first of the user's interface languages (QLocale::uiLanguages(), so LANGUAGE=de:en picks
// German) that the program speaks; French when it speaks none of them, "C" and malformed names
// included.
QString chooseLanguage(const QStringList& uiLanguages);

// Run first in main, before Qt and the window system start, with the user's locale as Qt reads
// it from the environment. When the C library lacks that locale (one not generated), it runs
// in "C", whose ASCII character type garbles the accented window titles that Xlib converts, and
// GTK warns on the terminal: the C library is pointed at C.UTF-8 instead (LC_ALL), and the
// program keeps the user's locale, the default QLocale that numbers are written in, and the
// user's languages, for chooseLanguage. A locale the C library has changes nothing.
void fallBackFromMissingLocale(const QLocale& user);

// The user's interface languages in order of preference (LANGUAGE=de:en gives German first),
// as they were before any fallback.
QStringList userInterfaceLanguages();

// Makes the application speak the language: the program's translation (none for French) and
// Qt's own texts (buttons of the message boxes, context menus), when Qt has them. A missing or
// damaged translation leaves the texts in French. Returns false for a language the program does
// not speak, and changes nothing then.
bool speak(QCoreApplication& application, const QString& language);

// True when fontconfig cannot read the locale name (LANG=@@@): a language of two or three
// letters, an optional region of two or three, "C" or "POSIX", each with an optional codeset and
// modifier, as a colon-separated list.
bool isReadableLocaleName(const QString& name);

// Fontconfig reads the locale name from the environment at the first font and warns on the
// terminal about one it cannot read; it is told the program's language instead, then only.
void quietenUnreadableLocale(const QString& language);

} // namespace formules
