#include "calculators/Form2.h"
#include "calculators/Form3.h"
#include "calculators/Form5.h"
#include "calculators/Form6.h"
#include "formulas/Constants.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

using namespace formules;

namespace {

struct ThreeInputs {
    const char* name;
    double a;
    double b;
    double c;
    double expected;
};

// CalculSpires(inductance uH, diametre cm, longueur cm): whole turns, halves up.
const ThreeInputs kTurns[] = {
    {"l10_d2_len3_is_sqrt_975", 10, 2, 3, 31},
    {"exact_half_rounds_up", 1.25, 1, 2, 18},
    {"below_half_a_turn_is_zero", 0.001, 10, 1, 0},
    {"coil_of_1_15_uH_has_10_turns", 1.15, 1.8, 2, 10},
};

// CalculInductance(diametre cm, longueur cm, NbreSp): hundredths of a uH, halves up.
const ThreeInputs kInductances[] = {
    {"d2_len3_n31", 2, 3, 31, 9.86},
    {"exact_half_rounds_up", 1, 0.75, 9, 0.68},
    {"one_turn_rounds_up_to_a_hundredth", 1, 1, 1, 0.01},
    {"tiny_coil_is_zero", 0.01, 100, 1, 0},
    {"fractional_turns", 2, 3, 31.5, 10.18},
    {"d1_8_len2_n10", 1.8, 2, 10, 1.15},
};

class TurnsTest : public testing::TestWithParam<ThreeInputs> {};
class CoilInductanceTest : public testing::TestWithParam<ThreeInputs> {};

TEST_P(TurnsTest, IsBitExact) {
    const ThreeInputs& row = GetParam();
    EXPECT_EQ(CalculSpires(row.a, row.b, row.c), row.expected);
}
TEST_P(CoilInductanceTest, IsBitExact) {
    const ThreeInputs& row = GetParam();
    EXPECT_EQ(CalculInductance(row.a, row.b, row.c), row.expected);
}

auto rowName = [](const auto& test) { return std::string(test.param.name); };
INSTANTIATE_TEST_SUITE_P(Coil, TurnsTest, testing::ValuesIn(kTurns), rowName);
INSTANTIATE_TEST_SUITE_P(Coil, CoilInductanceTest, testing::ValuesIn(kInductances), rowName);

struct TwoInputs {
    const char* name;
    double frequence;
    double input;
    double expected;
};

// XL in ohms from kHz and uH.
const TwoInputs kInductive[] = {
    {"f1000_l10", 1000, 10, 62.83},
    {"f7050_l2_2", 7050, 2.2, 97.45},
    {"uses_3_1416_not_pi", 100000, 100, 62832},
    {"rounds_to_zero", 0.5, 1, 0},
    {"tenth_of_a_uH_at_30_MHz", 30000, 0.1, 18.85},
};

// XC in ohms from kHz and pF, with the dividend 10^9.
const TwoInputs kCapacitive[] = {
    {"f1000_c100", 1000, 100, 1591.55},
    {"f1_c1", 1, 1, 159154570.92},
    {"f100000_c1000", 100000, 1000, 1.59},
    {"nanofarad_at_500_kHz", 500, 1000, 318.31},
};

class InductiveTest : public testing::TestWithParam<TwoInputs> {};
class CapacitiveTest : public testing::TestWithParam<TwoInputs> {};

TEST_P(InductiveTest, IsBitExact) {
    EXPECT_EQ(inductiveReactance(GetParam().frequence, GetParam().input), GetParam().expected);
}
TEST_P(CapacitiveTest, IsBitExact) {
    EXPECT_EQ(capacitiveReactance(GetParam().frequence, GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Reactance, InductiveTest, testing::ValuesIn(kInductive), rowName);
INSTANTIATE_TEST_SUITE_P(Reactance, CapacitiveTest, testing::ValuesIn(kCapacitive), rowName);

// Textbook values: X_L = 2 pi f L and X_C = 1 / (2 pi f C) in SI units. 3.1416 and the
// two-decimal rounding keep the window within 1e-5 relative plus half a hundredth.
TEST(Reactance, AgreesWithTheTextbookFormulas) {
    for (double f : {137.0, 1840.0, 7050.0, 14200.0, 144000.0}) {
        for (double x : {0.47, 10.0, 220.0, 4700.0}) {
            const double xl = 2 * kPi * (f * 1e3) * (x * 1e-6);
            EXPECT_NEAR(*inductiveReactance(f, x), xl, xl * 1e-5 + 0.005) << f << ' ' << x;
            const double xc = 1 / (2 * kPi * (f * 1e3) * (x * 1e-12));
            EXPECT_NEAR(*capacitiveReactance(f, x), xc, xc * 1e-5 + 0.005) << f << ' ' << x;
        }
    }
}

// Wheeler's formula in its published inch form, L = r^2 N^2 / (9 r + 10 l), agrees with the
// window's centimetre coefficients 100 and 45 to within 2 percent.
TEST(Coil, AgreesWithWheelersInchFormula) {
    for (double d : {0.5, 1.0, 1.8, 3.0, 5.0}) {
        for (double l : {1.0, 2.0, 5.0, 10.0}) {
            for (double n : {10.0, 25.0, 60.0}) {
                const double r = d / 2 / 2.54;
                const double inches = l / 2.54;
                const double wheeler = r * r * n * n / (9 * r + 10 * inches);
                EXPECT_NEAR(*CalculInductance(d, l, n), wheeler, wheeler * 0.02 + 0.005)
                    << d << ' ' << l << ' ' << n;
            }
        }
    }
}

// Round trip: the turns found for an inductance give back that inductance within one turn's
// worth of change.
TEST(Coil, TurnsForAnInductanceGiveItBack) {
    for (double d : {1.0, 2.5}) {
        for (double l : {1.5, 4.0}) {
            for (double target : {1.0, 5.6, 22.0, 100.0}) {
                const double n = *CalculSpires(target, d, l);
                EXPECT_GE(*CalculInductance(d, l, n + 0.5), target - 0.01);
                EXPECT_LE(*CalculInductance(d, l, n - 0.5), target + 0.01);
            }
        }
    }
}

// An intermediate beyond the range of a double gives no result, even where a later division
// would turn it into a finite 0.
TEST(Calculations, IntermediatesBeyondRangeGiveNoResult) {
    EXPECT_FALSE(inductiveReactance(1e300, 1e300).has_value());
    EXPECT_FALSE(inductiveReactance(1e305, 1000).has_value());
    EXPECT_FALSE(capacitiveReactance(1e300, 1e300).has_value()) << "10^9 / inf is a finite 0";
    EXPECT_FALSE(capacitiveReactance(1e-200, 1e-200).has_value()) << "product underflows to 0";
    EXPECT_FALSE(CalculSpires(1, 1e-200, 1).has_value()) << "diameter squared underflows";
    EXPECT_FALSE(CalculSpires(1e300, 1, 1e300).has_value());
    EXPECT_FALSE(CalculInductance(1, 1, 1e200).has_value());
    EXPECT_FALSE(CalculInductance(1e160, 1e-300, 1e160).has_value());
    EXPECT_TRUE(CalculInductance(1e-200, 1, 1).has_value()) << "a tiny result is 0, not an error";
}

} // namespace
