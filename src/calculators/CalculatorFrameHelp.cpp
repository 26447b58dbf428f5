// The design help of the calculator windows: its lines, made of the window's phrases in the
// user's language and of figures written as results are, shown in the help label.
#include "CalculatorFrame.h"

#include "quantities/NumberText.h"

#include <algorithm>
#include <cmath>

namespace formules {

void CalculatorFrame::checkHelpPhrase(const char* phrase) const {
    const std::vector<const char*>& listed = m_configuration.helpPhrases;
    if (std::none_of(listed.begin(), listed.end(),
                     [phrase](const char* p) { return std::string_view(p) == phrase; })) {
        notInTable("help phrase like that");
    }
}

std::optional<std::string>
CalculatorFrame::helpLine(const char* phrase,
                          std::initializer_list<std::optional<double>> figures) const {
    std::vector<std::string> texts;
    for (const std::optional<double>& figure : figures) {
        if (!figure || !std::isfinite(*figure)) {
            checkHelpPhrase(phrase);
            return std::nullopt;
        }
        texts.push_back(figureText(*figure));
    }
    return helpText(phrase, texts);
}

std::string CalculatorFrame::helpText(const char* phrase,
                                      const std::vector<std::string>& texts) const {
    checkHelpPhrase(phrase);
    return filled(phrase, texts);
}

std::string CalculatorFrame::figureText(double figure) const {
    return textOfNumber(figure, m_context.toolkit.decimalSeparator());
}

std::optional<std::string>
CalculatorFrame::proposedWireLine(const WirePhrases& phrases, const FittingWire& wire,
                                  std::optional<double> length,
                                  std::optional<double> noWireFigure) const {
    const std::optional<double> gauge =
        wire.awgGauge ? std::optional<double>(*wire.awgGauge) : std::nullopt;
    if (wire.metricBare && gauge) {
        return helpLine(phrases.both, {wire.metricBare, gauge, length});
    }
    if (wire.metricBare) {
        return helpLine(phrases.metric, {wire.metricBare, length});
    }
    if (gauge) {
        return helpLine(phrases.awg, {gauge, length});
    }
    return helpLine(phrases.none, {noWireFigure});
}

// The phrase's marks %1 to %9 stand for the texts in order; any other % stays as it is.
std::string CalculatorFrame::filled(const char* phrase,
                                    const std::vector<std::string>& texts) const {
    const std::string pattern = m_context.toolkit.translated(phrase);
    std::string line;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const bool isMark = pattern[i] == '%' && next >= '1' && next <= '9' &&
                            std::size_t(next - '1') < texts.size();
        if (isMark) {
            line += texts[std::size_t(next - '1')];
            ++i;
        } else {
            line += pattern[i];
        }
    }
    return line;
}

void CalculatorFrame::showHelp(const std::vector<std::optional<std::string>>& lines) {
    std::string text = m_readLine;
    if (std::all_of(lines.begin(), lines.end(),
                    [](const auto& line) { return line.has_value(); })) {
        for (const std::optional<std::string>& line : lines) {
            text += (text.empty() ? "" : "\n") + *line;
        }
    }
    if (m_configuration.helpLabel) {
        m_context.toolkit.writeLabel(*this, *m_configuration.helpLabel, text);
    }
}

void CalculatorFrame::clearHelp() {
    if (m_configuration.helpLabel) {
        m_context.toolkit.writeLabel(*this, *m_configuration.helpLabel, std::string_view());
    }
}

} // namespace formules
