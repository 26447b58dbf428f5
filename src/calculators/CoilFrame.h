#pragma once

#include "CalculatorFrame.h"

#include <initializer_list>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace formules {

// The controls the twin coil windows' handlers name: the input boxes Text1, Text2, Text3, the
// result box Text5, the working frequency Text6, which only the design help reads, and the
// design help Label11.
struct CoilControls : CalculatorButtons {
    static constexpr BoxName Text1{"Text1"};
    static constexpr BoxName Text2{"Text2"};
    static constexpr BoxName Text3{"Text3"};
    static constexpr BoxName Text5{"Text5"};
    static constexpr BoxName Text6{"Text6"};
    static constexpr LabelName Label11{"Label11"};
    static constexpr NamedControl kAll[] = {Text1,   Text2,    Text3,    Text5,   Text6,
                                            Label11, Command1, Command2, Command3};
};

// The working frequency box of both coil windows: a box of the window's own, read in kHz, which
// feeds no shared quantity and which no "Calcul" requires.
inline constexpr DataBox kWorkingFrequencyBox{
    CoilControls::Text6, nullptr, BoxRole::Optional, Unit::Kilohertz, "fréquence d'usage", "f"};

// Its caption, and its hint before the units it reads.
inline constexpr char kWorkingFrequencyCaption[] = "Fréquence d'usage en kHz (facultatif)";
inline constexpr char kWorkingFrequencyHint[] =
    "Facultatif : la fréquence où la bobine travaillera ; elle ne sert qu'à la ligne de son Q "
    "dans l'aide";

// The help phrases both coil windows use: a short coil, then the coil as it will be wound, the
// enamelled wire that fits its pitch (both series, one, or none) and how much of it, and its own
// capacitance and resonance.
inline constexpr char kShortCoilPhrase[] = "Bobine courte : préférer la valeur de Nagaoka";
inline constexpr char kWirePhrase[] = "Fil émaillé : %1 mm ou AWG %2 au plus ; %3 cm de fil";
inline constexpr char kMetricWirePhrase[] = "Fil émaillé : %1 mm au plus ; %2 cm de fil";
inline constexpr char kAwgWirePhrase[] = "Fil émaillé : AWG %1 au plus ; %2 cm de fil";
inline constexpr char kNoWirePhrase[] =
    "Fil émaillé : pas plus fin que le plus fin des fils ; %1 cm de fil";
inline constexpr char kSelfResonancePhrase[] =
    "Capacité propre : %1 pF ; résonance propre : %2 MHz (Knight)";
// At the working frequency: the coil's Q, its resistance and the bandwidth of its tank; or that
// it is beyond its self-resonance; or a frequency that is not above zero.
inline constexpr char kQualityPhrase[] =
    "À %1 kHz : Q ≈ %2 ; résistance ≈ %3 Ω ; bande passante ≈ %4 kHz (Medhurst, fil %5 mm)";
inline constexpr char kBeyondSelfResonancePhrase[] =
    "À %1 kHz : au-delà de la résonance propre, la bobine n'est plus une inductance";
inline constexpr char kWorkingFrequencyOutOfRangePhrase[] = "Fréquence d'usage hors limites";
inline constexpr const char* kCoilPhrases[] = {kShortCoilPhrase,
                                               kWirePhrase,
                                               kMetricWirePhrase,
                                               kAwgWirePhrase,
                                               kNoWirePhrase,
                                               kSelfResonancePhrase,
                                               kQualityPhrase,
                                               kBeyondSelfResonancePhrase,
                                               kWorkingFrequencyOutOfRangePhrase};

// A coil window's own help phrases, then those both coil windows use.
inline std::vector<const char*> withCoilPhrases(std::vector<const char*> phrases) {
    phrases.insert(phrases.end(), std::begin(kCoilPhrases), std::end(kCoilPhrases));
    return phrases;
}

// What the twin coil windows Form5 (turns) and Form6 (inductance) share around their "Calcul":
// the two ways it ends early, and its common end.
class CoilFrame : public CalculatorFrame, protected CoilControls {
protected:
    using CalculatorFrame::CalculatorFrame;

    // True when one of the three input boxes is empty. The window's own boxes decide, not the
    // shared quantities that other windows also set.
    bool inputsMissing() const;

    // A missing input: the window's prompt, then every box cleared and inductance, longueur and
    // diametre blanked, in that order.
    void promptStep();

    // An unusable input: the message, then every box cleared; no quantity is set directly.
    void rangeStep();

    // True when an input read into its quantity (readInto) is not greater than zero, each tested
    // as equal to 0 or less than 0: the calculation then takes the range step.
    static bool anyNotPositive(std::initializer_list<double> inputs);

    // The end of both calculations: a result beyond the range of a double takes the range step;
    // otherwise it is stored into the result quantity and written into its box.
    void showResult(std::optional<double> result);

    // The working frequency in kHz; nothing when its box is empty.
    std::optional<double> workingFrequency() const;

    // The help lines of N turns of diameter D and length l, then one that says to prefer the
    // current-sheet value when the coil is short, the wire line, the line of the coil's own
    // capacitance and resonance unless its pitch is as long as a turn, and at a working
    // frequency the line of its Q. A line whose figures cannot be computed is left out, and only
    // that line.
    void showCoilHelp(std::vector<std::optional<std::string>> lines, double longueur,
                      double diametre, double NbreSp, std::optional<double> frequency);

private:
    struct WoundCoil;
    std::optional<std::string> wireLine(const WoundCoil& coil) const;
    std::optional<std::string> qualityLine(const WoundCoil& coil, double frequency) const;
};

} // namespace formules
