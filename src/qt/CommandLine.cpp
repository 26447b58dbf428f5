#include "CommandLine.h"

#include "forms/Languages.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace formules {

namespace {

// The status of a command line that cannot be used, as command-line tools give for misuse.
constexpr int kUsageError = 2;

// The command line's own texts, in their context of the catalogues; the macro marks them for
// lupdate.
constexpr char kContext[] = "CommandLine";
constexpr const char* kDescription = QT_TRANSLATE_NOOP(
    "CommandLine", "Calculs de résonance, de réactance et de bobines pour la radio.");
constexpr const char* kUnexpectedArgument =
    QT_TRANSLATE_NOOP("CommandLine", "argument inattendu : %1");

QString inLanguage(const std::string& language, const char* text) {
    return QString::fromStdString(translate(language, text, kContext));
}

void print(const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stdout);
    std::fflush(stdout);
}

void printError(const QString& text) {
    std::fputs(QStringLiteral("formules: %1\n").arg(text).toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
}

} // namespace

std::optional<int> readCommandLine(const QStringList& arguments, const std::string& language) {
    QCommandLineParser parser;
    parser.setApplicationDescription(inLanguage(language, kDescription));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    if (!parser.parse(arguments)) {
        printError(parser.errorText());
        return kUsageError;
    }
    if (!parser.positionalArguments().isEmpty()) {
        printError(
            inLanguage(language, kUnexpectedArgument).arg(parser.positionalArguments().first()));
        return kUsageError;
    }
    if (parser.isSet(help)) {
        print(parser.helpText());
        return 0;
    }
    if (parser.isSet(version)) {
        print(QCoreApplication::applicationName() + QLatin1Char(' ') +
              QCoreApplication::applicationVersion() + QLatin1Char('\n'));
        return 0;
    }
    // Only Qt knows its own options: it prints them with the program's and ends the process.
    if (parser.isSet(QStringLiteral("help-all"))) {
        parser.process(arguments);
    }
    return std::nullopt;
}

} // namespace formules
