#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace formules {

namespace {

// The status of a command line that cannot be used, as command-line tools give for misuse.
constexpr int kUsageError = 2;

void printError(const QString& text) {
    std::fputs(QStringLiteral("formules: %1\n").arg(text).toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
}

} // namespace

std::optional<int> readCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Calculs de résonance, de réactance et de bobines pour la radio."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    if (!parser.parse(arguments)) {
        printError(parser.errorText());
        return kUsageError;
    }
    if (!parser.positionalArguments().isEmpty()) {
        printError(QCoreApplication::translate("CommandLine", "argument inattendu : %1")
                       .arg(parser.positionalArguments().first()));
        return kUsageError;
    }
    // Qt prints the help (with --help-all, its own options too) and the version as in every
    // Qt program, then ends the process with status 0.
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all")) || parser.isSet(version)) {
        parser.process(arguments);
    }
    return std::nullopt;
}

} // namespace formules
