#pragma once

namespace formules {

// The texts a toolkit shows of its own around the windows' descriptions; formules-catalogue puts
// each in the translation catalogues.

// The title of every message box: the program's name.
inline constexpr char kMessageTitle[] = "Formules";
// The button that closes a message box.
inline constexpr char kOkCaption[] = "OK";
// What the close button of a title bar drawn by the toolkit is announced as.
inline constexpr char kCloseWindow[] = "Fermer";
// Where the program runs in a page that stays after it ends: what the page says then, and its
// button that starts the program again.
inline constexpr char kProgramEnded[] = "Le programme est terminé.";
inline constexpr char kStartAgain[] = "Relancer le programme";

} // namespace formules
