// The design help of Form9, "Bobine sur un tore": the core, the turns, the cores a measured AL
// names and the wire that fits in one layer.
#include "Form9.h"

#include "formulas/ToroidWinding.h"
#include "quantities/ValueRules.h"

#include <algorithm>

namespace formules {

namespace {

// The lines of design help: the core listed, an AL typed or measured, the ferrites whose AL holds
// only below HF, the turns, the cores a measured AL names, and the wire of one layer.
constexpr char kIronCorePhrase[] =
    "%1 : poudre de fer, mélange %2 (%3) ; AL %4 µH/100 sp = %5 nH/sp² ± %6 % ; Ø %7 × %8 × %9 mm";
constexpr char kFerriteCorePhrase[] =
    "%1 : ferrite %2 ; AL %3 nH/sp² = %4 mH/1000 sp ± %5 % ; Ø %6 × %7 × %8 mm";
constexpr char kAlPhrase[] = "AL %1 µH/100 sp = %2 nH/sp² = %3 mH/1000 sp";
constexpr char kFallsInHfPhrase[] =
    "Ferrite %1 : AL valable sous 1 MHz environ ; au-dessus, pour selfs de choc et "
    "transformateurs large bande, pas pour circuits accordés";
constexpr char kComputedTurnsRangePhrase[] = "%1 spires → %2 µH (%3 à %4 µH) ; exact %5";
constexpr char kComputedTurnsPhrase[] = "%1 spires → %2 µH ; exact %3";
constexpr char kTurnsRangePhrase[] = "%1 spires → %2 µH (%3 à %4 µH)";
constexpr char kTurnsPhrase[] = "%1 spires → %2 µH";
constexpr char kLessThanATurnPhrase[] = "Moins d'une spire : un tore de plus faible AL";
constexpr char kCandidatesPhrase[] = "Tores possibles : %1";
constexpr char kNoCandidatePhrase[] = "Tores possibles : aucun tore de la liste";
constexpr char kWirePhrase[] =
    "Une couche : fil de %1 mm ou AWG %2 au plus ; %3 cm de fil (sans les sorties)";
constexpr char kMetricWirePhrase[] =
    "Une couche : fil de %1 mm au plus ; %2 cm de fil (sans les sorties)";
constexpr char kAwgWirePhrase[] = "Une couche : AWG %1 au plus ; %2 cm de fil (sans les sorties)";
constexpr char kNoWirePhrase[] =
    "Une couche : aucun fil de la liste ; %1 spires demandent plusieurs couches";

// The cores a measured AL names, at most.
constexpr std::size_t kMostCandidates = 4;

} // namespace

std::optional<double> Form9::threeDigits(std::optional<double> x) {
    return x ? roundSignificant(*x, 3) : std::nullopt;
}

std::vector<const char*> Form9::helpPhrases() {
    return {kIronCorePhrase,           kFerriteCorePhrase,   kAlPhrase,          kFallsInHfPhrase,
            kComputedTurnsRangePhrase, kComputedTurnsPhrase, kTurnsRangePhrase,  kTurnsPhrase,
            kLessThanATurnPhrase,      kCandidatesPhrase,    kNoCandidatePhrase, kWirePhrase,
            kMetricWirePhrase,         kAwgWirePhrase,       kNoWirePhrase};
}

// A listed core: its name, material and mix (with its paint for iron powder), its AL in the two
// units of its material and its tolerance, and its dimensions; and for a ferrite whose
// permeability falls in HF, a line that says so. An AL by value: in all three units.
std::vector<std::optional<std::string>> Form9::coreLines(const CoreEntry& entry) const {
    const InductanceFactor& al = entry.al;
    if (entry.core == nullptr) {
        return {helpLine(kAlPhrase, {threeDigits(microhenrysPer100Turns(al)),
                                     threeDigits(nanohenrysPerTurnSquared(al)),
                                     threeDigits(millihenrysPer1000Turns(al))})};
    }
    const ToroidCore& core = *entry.core;
    const CoreMix& mix = *core.mix;
    const CoreSize& size = *core.size;
    const std::string tolerance = figureText(mix.tolerance * 100);
    const std::vector<std::string> dimensions = {figureText(size.outside), figureText(size.inside),
                                                 figureText(size.height)};
    if (mix.material == CoreMaterial::IronPowder) {
        return {
            helpText(kIronCorePhrase, {core.name(), figureText(mix.number), translated(mix.colour),
                                       figureText(microhenrysPer100Turns(al)),
                                       figureText(nanohenrysPerTurnSquared(al)), tolerance,
                                       dimensions[0], dimensions[1], dimensions[2]})};
    }
    std::vector<std::optional<std::string>> lines = {
        helpText(kFerriteCorePhrase,
                 {core.name(), figureText(mix.number), figureText(nanohenrysPerTurnSquared(al)),
                  figureText(millihenrysPer1000Turns(al)), tolerance, dimensions[0], dimensions[1],
                  dimensions[2]})};
    if (mix.fallsInHf) {
        lines.push_back(helpText(kFallsInHfPhrase, {figureText(mix.number)}));
    }
    return lines;
}

// The inductance of the whole turns, and for a listed core its range from the core's tolerance;
// the exact turns when they were computed. Less than half a turn asks for a core of lower AL.
std::optional<std::string> Form9::turnsLine(const CoreEntry& entry, double turns,
                                            std::optional<double> exact) const {
    if (exact && *exact < 0.5) {
        return helpLine(kLessThanATurnPhrase, {});
    }
    const std::optional<double> inductance = inductanceOfTurns(entry.al, turns);
    const std::optional<double> shown = threeDigits(inductance);
    const std::optional<double> exactShown = exact ? roundHalfUp(*exact, 100) : std::nullopt;
    if (entry.core == nullptr) {
        return exact ? helpLine(kComputedTurnsPhrase, {turns, shown, exactShown})
                     : helpLine(kTurnsPhrase, {turns, shown});
    }
    const double tolerance = entry.core->mix->tolerance;
    const std::optional<double> low =
        inductance ? threeDigits(*inductance * (1 - tolerance)) : std::nullopt;
    const std::optional<double> high =
        inductance ? threeDigits(*inductance * (1 + tolerance)) : std::nullopt;
    return exact ? helpLine(kComputedTurnsRangePhrase, {turns, shown, low, high, exactShown})
                 : helpLine(kTurnsRangePhrase, {turns, shown, low, high});
}

// The listed cores whose AL range holds the one measured, nearest first, each iron-powder one
// with its paint.
std::optional<std::string> Form9::candidatesLine(double measuredNanohenrys) const {
    const std::vector<const ToroidCore*> cores = coresHolding(measuredNanohenrys, kMostCandidates);
    if (cores.empty()) {
        return helpLine(kNoCandidatePhrase, {});
    }
    std::string list;
    for (const ToroidCore* core : cores) {
        list += (list.empty() ? "" : ", ") + core->name();
        if (*core->mix->colour != '\0') {
            list += " (" + translated(core->mix->colour) + ")";
        }
    }
    return helpText(kCandidatesPhrase, {list});
}

// The thickest wire of each series whose turns lie side by side inside the core, and the wire's
// length for the metric one proposed (the AWG one where no metric wire fits); only where the
// core's dimensions are known.
std::optional<std::string> Form9::wireLine(const CoreEntry& entry, double turns) const {
    if (entry.core == nullptr) {
        return std::nullopt;
    }
    const CoreSize& size = *entry.core->size;
    const FittingWire wire = oneLayerWire(turns, size);
    const std::optional<double> overall = wire.metricBare ? metricOverall(*wire.metricBare)
                                          : wire.awgGauge ? awgOverall(*wire.awgGauge)
                                                          : std::nullopt;
    const std::optional<double> length =
        overall ? toroidWireLength(turns, size, *overall) : std::nullopt;
    return proposedWireLine({kWirePhrase, kMetricWirePhrase, kAwgWirePhrase, kNoWirePhrase}, wire,
                            length, turns);
}

// Each line stands on its own figures: one that cannot be computed is left out alone.
void Form9::showLines(std::vector<std::optional<std::string>> lines) {
    lines.erase(std::remove(lines.begin(), lines.end(), std::nullopt), lines.end());
    showHelp(lines);
}

} // namespace formules
