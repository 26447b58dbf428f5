#pragma once

#include <QStringList>

#include <optional>
#include <string>

namespace formules {

// Reads the program's command line as Qt programs do: --help (-h) and --version (-v) print on
// standard output and return the status 0, --help-all prints Qt's own options too and ends the
// process; an option or argument the program does not know is refused on standard error and
// returns the status 2. The program ends with the status returned, before any window opens. Qt's
// own options (-platform, -style...) have been taken out by QApplication already. Nothing is
// returned when the program runs; then the one argument it takes, the address of a calculation
// (a page's address, or only its fragment: "#spires?L=4u7&D=2&l=2"), is put into address, for
// the program to open (an argument without "#" is no address, and is refused). The program's
// texts are in the language given.
std::optional<int> readCommandLine(const QStringList& arguments, const std::string& language,
                                   std::string& address);

} // namespace formules
