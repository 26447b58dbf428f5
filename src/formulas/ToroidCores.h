#pragma once

// The toroid cores radio amateurs wind their HF inductors on, as their makers publish them: the
// iron-powder cores by size and mix (T50-2: 0,50 inch across, mix 2), the ferrite ones likewise
// (FT37-43), each with its dimensions and its inductance factor AL.

#include "InductanceFactor.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace formules {

enum class CoreMaterial { IronPowder, Ferrite };

// A mix: its material, the paint its iron-powder cores are marked with (none for ferrite), the
// tolerance of its AL, and whether its permeability falls in HF, so that AL holds only below
// about 1 MHz.
struct CoreMix {
    int number;
    CoreMaterial material;
    const char* colour; // in French, as the windows translate it; "" for ferrite
    double tolerance;   // a fraction: 0,05 for +/- 5 %
    bool fallsInHf;
};

// A core's size: its name's letters and number ("T50", "FT37"), and its outside and inside
// diameters and its height in mm.
struct CoreSize {
    const char* name;
    double outside;
    double inside;
    double height;
};

// A core of the table: its size, its mix and its AL as its maker's catalogue gives it (uH per 100
// turns for iron powder, nH per turn squared for ferrite).
struct ToroidCore {
    const CoreSize* size;
    const CoreMix* mix;
    InductanceFactor al;

    // Its name as hams write it: "T50-2", "FT37-43".
    std::string name() const;
};

// Every core of the table, iron powder first, in the order of their mixes and sizes.
const std::vector<ToroidCore>& toroidCores();

// The core a text names: the size's letters and number, then the mix, in any case, with or
// without a hyphen or blanks after the letters, and a hyphen or blanks before the mix ("T50-2",
// "t-50-2", "T 50-2", "FT 37 43"). Nothing for a text that names no core of the table.
const ToroidCore* coreNamed(std::string_view text);

// The cores whose AL, within its tolerance, holds the one measured (nH per turn squared), nearest
// first on a logarithmic scale, at most that many.
std::vector<const ToroidCore*> coresHolding(double measuredNanohenrys, std::size_t most);

} // namespace formules
