#pragma once

// The inductance factor AL of a core: the inductance of its turns is AL times the square of their
// number. Makers publish it in three units, and taking one for another is a factor of 10 or more:
// iron-powder tables give uH per 100 turns (49 for a T50-2), ferrite tables nH per turn squared,
// the same number as mH per 1000 turns (350 for an FT37-43).

#include "quantities/BoxReading.h"

#include <optional>
#include <string_view>

namespace formules {

enum class AlUnit { NanohenryPerTurnSquared, MicrohenryPer100Turns, MillihenryPer1000Turns };

// AL as it is published or typed: a number in its unit.
struct InductanceFactor {
    double value = 0.0;
    AlUnit unit = AlUnit::NanohenryPerTurnSquared;
};

// The same AL in each unit: nH per turn squared (4,9 for 49 uH per 100 turns), uH per 100 turns,
// mH per 1000 turns.
double nanohenrysPerTurnSquared(const InductanceFactor& al);
double microhenrysPer100Turns(const InductanceFactor& al);
double millihenrysPer1000Turns(const InductanceFactor& al);

// The inductance in uH of N turns: AL N^2 in the unit's own scale (49 x 31^2 / 10000 for a
// T50-2), so that whole figures give the published result to the last digit. Nothing when it
// would not be finite.
std::optional<double> inductanceOfTurns(const InductanceFactor& al, double turns);

// The turns, unrounded, that give L uH: sqrt(L / AL) in the unit's own scale. Nothing when they
// would not be finite.
std::optional<double> turnsForInductance(const InductanceFactor& al, double microhenrys);

// The AL, in nH per turn squared, of N turns that measure L uH: 1000 L / N^2.
std::optional<double> measuredAl(double microhenrys, double turns);

// AL written as a number and its unit, which is required: "4,9 nH" (per turn squared), "49 uH/100"
// (or µH, μH: per 100 turns), "350 mH/1000" (per 1000 turns); blanks anywhere and the unit in
// either case. The number is read as a box reads a number without a unit (quantities/BoxReading.h);
// one beyond the range of a double reads as 0. Nothing when the text is not one of these.
std::optional<InductanceFactor> readInductanceFactor(std::string_view text, ResultsWritten written);

} // namespace formules
