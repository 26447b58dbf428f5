#pragma once

#include <string>

class QApplication;

namespace formules {

// The name of the program's desktop entry, which the windows are grouped under.
inline constexpr char kDesktopFileName[] = "org.formules.formules";

// How the program presents itself to the desktop, set once before its first window opens:
// nameApplication, then dressApplication. Returns the language the program speaks.
std::string prepareDesktopApplication(QApplication& application);

// Its names (the windows' WM_CLASS is "formules", "Formules"), version and desktop entry, and
// Qt's own texts in the user's language when the program speaks it (see Language.h): all the
// command line needs. Returns that language, for the program's own texts.
std::string nameApplication(QApplication& application);

// Its icon on every window, its style and a proportional font for the texts that set none.
void dressApplication();

} // namespace formules
