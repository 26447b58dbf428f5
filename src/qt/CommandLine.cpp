#include "CommandLine.h"

#include "forms/Languages.h"
#include "shell/CalculationAddress.h"
#include "shell/Windows.h"

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
constexpr const char* kAddressName = QT_TRANSLATE_NOOP("CommandLine", "adresse");
constexpr const char* kAddressHelp = QT_TRANSLATE_NOOP(
    "CommandLine", "l'adresse d'un calcul, telle que la page la montre, ou sa seule partie après "
                   "« # » : le programme s'ouvre sur ce calcul");
constexpr const char* kExamples =
    QT_TRANSLATE_NOOP("CommandLine", "Une adresse de calcul pour chaque calculatrice :");

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

// The description, then the address of each calculator's example, as the page writes it.
QString description(const std::string& language) {
    QString text = inLanguage(language, kDescription) + "\n\n" + inLanguage(language, kExamples);
    for (const WindowRow& row : windows()) {
        if (!row.isCalculator()) {
            continue;
        }
        AddressedCalculation example{row.id, {}};
        for (const TypedText& typed : row.example.typed) {
            if (!typed.box.empty()) {
                example.texts.emplace_back(std::string(typed.box), std::string(typed.text));
            }
        }
        text += "\n  formules '#" + QString::fromStdString(calculationFragment(example)) + "'";
    }
    return text;
}

} // namespace

std::optional<int> readCommandLine(const QStringList& arguments, const std::string& language,
                                   std::string& address) {
    QCommandLineParser parser;
    parser.setApplicationDescription(description(language));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QString addressName = inLanguage(language, kAddressName);
    parser.addPositionalArgument(addressName, inLanguage(language, kAddressHelp),
                                 "[" + addressName + "]");
    if (!parser.parse(arguments)) {
        printError(parser.errorText());
        return kUsageError;
    }
    const QStringList positional = parser.positionalArguments();
    for (qsizetype i = 0; i < positional.size(); ++i) {
        if (i > 0 || !positional.at(i).contains(QLatin1Char('#'))) {
            printError(inLanguage(language, kUnexpectedArgument).arg(positional.at(i)));
            return kUsageError;
        }
    }
    address = positional.isEmpty() ? std::string() : positional.first().toStdString();
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
