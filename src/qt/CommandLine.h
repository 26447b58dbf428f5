#pragma once

#include <QStringList>

#include <optional>

namespace formules {

// Reads the program's command line as Qt programs do: --help (-h), --help-all and --version (-v)
// print on standard output and end the process with status 0; an option or argument the program
// does not know is refused on standard error, and the status 2 is returned for the program to
// end before any window opens. Qt's own options (-platform, -style...) have been taken out by
// QApplication already. Nothing is returned when the program runs.
std::optional<int> readCommandLine(const QStringList& arguments);

} // namespace formules
