#include "ToroidCores.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace formules {

namespace {

using Material = CoreMaterial;

// The mixes. Iron powder: the paint of the maker's colour code and its RF tolerance of +/- 5 %
// (Micrometals' product tolerance guide). Ferrite: no paint, +/- 25 % (the 20 to 25 % the maker
// states for its suppression family; ham tables say 20 to 30 %). Mixes 43, 31 and 77 lose their
// permeability in HF (mix 43's is 394 at 7 MHz for 800 at 10 kHz, from the maker's curves);
// mix 61 and the iron powders keep theirs across it.
const CoreMix kMixes[] = {
    {2, Material::IronPowder, "rouge", 0.05, false},
    {6, Material::IronPowder, "jaune", 0.05, false},
    {1, Material::IronPowder, "bleu", 0.05, false},
    {10, Material::IronPowder, "noir", 0.05, false},
    {17, Material::IronPowder, "bleu et jaune", 0.05, false},
    {0, Material::IronPowder, "beige", 0.05, false},
    {43, Material::Ferrite, "", 0.25, true},
    {61, Material::Ferrite, "", 0.25, false},
    {77, Material::Ferrite, "", 0.25, true},
    {31, Material::Ferrite, "", 0.25, true},
};

// The sizes, in mm. Iron powder: Micrometals' metric dimensions (inch tables round T25, T37 and
// T50 by up to 0,26 mm). Ferrite: Fair-Rite's metric dimensions of the parts listed below.
const CoreSize kSizes[] = {
    {"T25", 6.48, 3.05, 2.44},      {"T30", 7.80, 3.84, 3.25},     {"T37", 9.53, 5.21, 3.25},
    {"T44", 11.18, 5.82, 4.04},     {"T50", 12.70, 7.70, 4.83},    {"T68", 17.53, 9.40, 4.83},
    {"T80", 20.19, 12.57, 6.35},    {"T94", 23.93, 14.22, 7.92},   {"T106", 26.92, 14.48, 11.10},
    {"T130", 33.02, 19.81, 11.10},  {"T157", 39.88, 24.13, 14.48}, {"T200", 50.80, 31.75, 13.97},
    {"FT23", 5.95, 3.05, 1.65},     {"FT37", 9.50, 4.75, 3.30},    {"FT50", 12.70, 7.15, 4.90},
    {"FT82", 21.00, 13.20, 6.35},   {"FT114", 29.00, 19.00, 7.50}, {"FT140", 35.55, 23.00, 12.70},
    {"FT240", 61.00, 35.55, 12.70},
};

// A row of the table: a size, a mix and AL in the mix's published unit.
struct Row {
    const char* size;
    int mix;
    double al;
};

// Iron powder, uH per 100 turns: Micrometals' values as the published ham tables give them
// (vk6ysf.com, pa3byb.nl, catzco.com, and the maker's nH per turn squared times 10), where they
// agree; where they differ, the maker-derived value: T50-6 40 (four tables and a published
// turns chart; 46 is mix 7's T44 value, copied by one calculator), T200-6 104, T37-1 80 and
// T106-1 325. Mixes 10, 17 and 0 where a value is listed (T130-10, T157-10, T106-17 and T157-0
// from the maker's data alone).
//
// Ferrite, nH per turn squared: the values of Fair-Rite's part numbers (5943000201 for FT37-43,
// 5961000301 for FT50-61 and so on), not the older dealer tables; FT240-43 is 1075 (5943003801),
// not the 1300 of the FT290 that one calculator shows under it from a row shifted by one.
// FT23-43 and FT82-77 have no maker's value and are left out; FT240-31 is 2631803802.
constexpr Row kRows[] = {
    {"T25", 2, 34},      {"T30", 2, 43},      {"T37", 2, 40},      {"T44", 2, 52},
    {"T50", 2, 49},      {"T68", 2, 57},      {"T80", 2, 55},      {"T94", 2, 84},
    {"T106", 2, 135},    {"T130", 2, 110},    {"T157", 2, 140},    {"T200", 2, 120},
    {"T25", 6, 27},      {"T30", 6, 36},      {"T37", 6, 30},      {"T44", 6, 42},
    {"T50", 6, 40},      {"T68", 6, 47},      {"T80", 6, 45},      {"T94", 6, 70},
    {"T106", 6, 116},    {"T130", 6, 96},     {"T157", 6, 115},    {"T200", 6, 104},
    {"T25", 1, 70},      {"T30", 1, 85},      {"T37", 1, 80},      {"T44", 1, 105},
    {"T50", 1, 100},     {"T68", 1, 115},     {"T80", 1, 115},     {"T94", 1, 160},
    {"T106", 1, 325},    {"T130", 1, 200},    {"T157", 1, 320},    {"T200", 1, 250},
    {"T25", 10, 19},     {"T30", 10, 25},     {"T37", 10, 25},     {"T44", 10, 33},
    {"T50", 10, 31},     {"T68", 10, 32},     {"T80", 10, 32},     {"T94", 10, 58},
    {"T130", 10, 68.3},  {"T157", 10, 82},    {"T25", 17, 12},     {"T30", 17, 16},
    {"T37", 17, 15},     {"T44", 17, 18.5},   {"T50", 17, 18},     {"T68", 17, 21},
    {"T80", 17, 22},     {"T94", 17, 29},     {"T106", 17, 51},    {"T130", 17, 40},
    {"T157", 17, 53},    {"T25", 0, 4.5},     {"T30", 0, 6},       {"T37", 0, 4.9},
    {"T44", 0, 6.5},     {"T50", 0, 6.4},     {"T68", 0, 7.5},     {"T80", 0, 8.5},
    {"T94", 0, 10.6},    {"T106", 0, 19},     {"T130", 0, 15},     {"T157", 0, 18},
    {"FT37", 43, 350},   {"FT50", 43, 440},   {"FT82", 43, 470},   {"FT114", 43, 510},
    {"FT140", 43, 885},  {"FT240", 43, 1075}, {"FT23", 61, 25},    {"FT37", 61, 55},
    {"FT50", 61, 69},    {"FT82", 61, 75},    {"FT114", 61, 80},   {"FT140", 61, 140},
    {"FT240", 61, 170},  {"FT23", 77, 420},   {"FT37", 77, 945},   {"FT50", 77, 1180},
    {"FT114", 77, 1365}, {"FT140", 77, 2545}, {"FT240", 77, 3155}, {"FT240", 31, 1371},
};

const CoreSize* sizeNamed(std::string_view name) {
    for (const CoreSize& size : kSizes) {
        if (name == size.name) {
            return &size;
        }
    }
    return nullptr;
}

const CoreMix* mixNumbered(int number) {
    for (const CoreMix& mix : kMixes) {
        if (mix.number == number) {
            return &mix;
        }
    }
    return nullptr;
}

std::vector<ToroidCore> tabulated() {
    std::vector<ToroidCore> cores;
    for (const Row& row : kRows) {
        const CoreMix* mix = mixNumbered(row.mix);
        const AlUnit unit = mix->material == Material::IronPowder ? AlUnit::MicrohenryPer100Turns
                                                                  : AlUnit::NanohenryPerTurnSquared;
        cores.push_back({sizeNamed(row.size), mix, {row.al, unit}});
    }
    return cores;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isSeparator(char c) {
    return c == '-' || c == ' ' || c == '\t';
}

// The letters T or FT, a size and a mix as a name spells them, in upper case ("T50" and "2"), or
// nothing when the text is not spelled that way.
struct SpelledName {
    std::string size;
    std::string mix;
};

std::optional<SpelledName> spelled(std::string_view text) {
    std::string upper;
    for (char c : text) {
        upper += char(std::toupper(static_cast<unsigned char>(c)));
    }
    const auto first = upper.find_first_not_of(" \t");
    const auto last = upper.find_last_not_of(" \t");
    if (first == std::string::npos) {
        return std::nullopt;
    }
    const std::string_view name = std::string_view(upper).substr(first, last - first + 1);
    const std::size_t letters = name.rfind("FT", 0) == 0 ? 2 : name.rfind('T', 0) == 0 ? 1 : 0;
    std::size_t at = letters;
    while (at < name.size() && isSeparator(name[at])) {
        ++at;
    }
    const std::size_t sizeStart = at;
    while (at < name.size() && isDigit(name[at])) {
        ++at;
    }
    const std::size_t sizeEnd = at;
    while (at < name.size() && isSeparator(name[at])) {
        ++at;
    }
    const std::size_t mixStart = at;
    while (at < name.size() && isDigit(name[at])) {
        ++at;
    }
    const bool separated = mixStart > sizeEnd;
    if (letters == 0 || sizeEnd == sizeStart || !separated || at == mixStart || at != name.size()) {
        return std::nullopt;
    }
    return SpelledName{std::string(name.substr(0, letters)) +
                           std::string(name.substr(sizeStart, sizeEnd - sizeStart)),
                       std::string(name.substr(mixStart))};
}

} // namespace

std::string ToroidCore::name() const {
    return std::string(size->name) + "-" + std::to_string(mix->number);
}

const std::vector<ToroidCore>& toroidCores() {
    static const std::vector<ToroidCore> kCores = tabulated();
    return kCores;
}

const ToroidCore* coreNamed(std::string_view text) {
    const std::optional<SpelledName> name = spelled(text);
    if (!name) {
        return nullptr;
    }
    for (const ToroidCore& core : toroidCores()) {
        if (name->size == core.size->name && name->mix == std::to_string(core.mix->number)) {
            return &core;
        }
    }
    return nullptr;
}

std::vector<const ToroidCore*> coresHolding(double measuredNanohenrys, std::size_t most) {
    std::vector<const ToroidCore*> holding;
    for (const ToroidCore& core : toroidCores()) {
        const double al = nanohenrysPerTurnSquared(core.al);
        const double tolerance = core.mix->tolerance;
        if (measuredNanohenrys >= al * (1 - tolerance) &&
            measuredNanohenrys <= al * (1 + tolerance)) {
            holding.push_back(&core);
        }
    }
    auto distance = [measuredNanohenrys](const ToroidCore* core) {
        return std::abs(std::log(measuredNanohenrys / nanohenrysPerTurnSquared(core->al)));
    };
    std::stable_sort(holding.begin(), holding.end(),
                     [&](const auto* a, const auto* b) { return distance(a) < distance(b); });
    if (holding.size() > most) {
        holding.resize(most);
    }
    return holding;
}

} // namespace formules
