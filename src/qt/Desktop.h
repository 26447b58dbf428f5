#pragma once

class QApplication;
class QCoreApplication;
class QTranslator;

namespace formules {

// The name of the program's desktop entry, which the windows are grouped under.
inline constexpr char kDesktopFileName[] = "org.formules.Formules";

// How the program presents itself to the desktop, set once before its first window opens: its
// names (the windows' WM_CLASS is "formules", "Formules"), its desktop entry, its icon on every
// window, its style, a proportional font for the texts that set none, and Qt's own texts in the
// user's language.
void prepareDesktopApplication(QApplication& application);

// Installs Qt's own translations (context menus of the text boxes, buttons of the message
// boxes) for the default locale, from Qt's translations folder. Returns the translator, owned
// by the application, or nullptr when Qt has no translation for that locale.
QTranslator* installQtTranslations(QCoreApplication& application);

} // namespace formules
