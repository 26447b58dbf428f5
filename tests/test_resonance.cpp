#include "calculators/Form4.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace formules;

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Case {
    const char* name;
    double first;
    double second;
    double expected;
};

// Frequency in kHz from capacitance (pF) and inductance (uH).
const Case kFrequencies[] = {
    {"c100_l10", 100, 10, 5032.921},
    {"rounds_up_to_a_thousandth", 100000000, 1000000000, 0.001},
    {"rounds_down_to_zero", 1000000000, 1000000000, 0.0},
    {"c1_l1", 1, 1, 159154.943},
};

// Inductance in uH from capacitance (pF) and frequency (kHz).
const Case kInductances[] = {
    {"c100_f1000", 100, 1000, 253.3},
    {"c50_f7000", 50, 7000, 10.339},
};

// Wavelength in metres from frequency (kHz): 299792,458 / f, two decimals.
const Case kWavelengths[] = {
    {"forty_metres_band_two_decimals", 7341.27, 0, 40.84},
    {"seven_megahertz", 7100, 0, 42.22},
    {"twenty_metres_band", 14000, 0, 21.41},
    {"long_wave", 100, 0, 2997.92},
};

// Capacitance in pF from inductance (uH) and frequency (kHz).
const Case kCapacitances[] = {
    {"l253_3_f1000", 253.3, 1000, 100},
    {"l10_f3500_two_decimals", 10, 3500, 206.78},
    {"rounds_to_zero", 100000, 100000, 0.0},
};

class FrequencyTest : public testing::TestWithParam<Case> {};
class InductanceTest : public testing::TestWithParam<Case> {};
class CapacitanceTest : public testing::TestWithParam<Case> {};
class WavelengthTest : public testing::TestWithParam<Case> {};

TEST_P(FrequencyTest, IsBitExact) {
    EXPECT_EQ(resonanceFrequency(GetParam().first, GetParam().second), GetParam().expected);
}
TEST_P(InductanceTest, IsBitExact) {
    EXPECT_EQ(resonanceInductance(GetParam().first, GetParam().second), GetParam().expected);
}
TEST_P(CapacitanceTest, IsBitExact) {
    EXPECT_EQ(resonanceCapacitance(GetParam().first, GetParam().second), GetParam().expected);
}
TEST_P(WavelengthTest, IsBitExact) {
    EXPECT_EQ(wavelength(GetParam().first), GetParam().expected);
}

auto caseName = [](const auto& test) { return std::string(test.param.name); };
INSTANTIATE_TEST_SUITE_P(Resonance, FrequencyTest, testing::ValuesIn(kFrequencies), caseName);
INSTANTIATE_TEST_SUITE_P(Resonance, InductanceTest, testing::ValuesIn(kInductances), caseName);
INSTANTIATE_TEST_SUITE_P(Resonance, CapacitanceTest, testing::ValuesIn(kCapacitances), caseName);
INSTANTIATE_TEST_SUITE_P(Resonance, WavelengthTest, testing::ValuesIn(kWavelengths), caseName);

// Published pairs: 10 uH with 100 pF resonates near 5.03 MHz; the 40 m band's 7 MHz with 50 pF
// needs about 10.3 uH. The window's constants (159154.943 and 253.3e8) stay within 2e-5 of the
// exact 1 / (2 pi sqrt(LC)).
TEST(Resonance, AgreesWithTheExactFormula) {
    const double exactFrequency = 1e6 / (2 * kPi * std::sqrt(100.0 * 10.0));
    EXPECT_NEAR(*resonanceFrequency(100, 10), exactFrequency, exactFrequency * 2e-5);
    const double exactInductance = 1e12 / (4 * kPi * kPi * 7000.0 * 7000.0 * 50.0);
    EXPECT_NEAR(*resonanceInductance(50, 7000), exactInductance, exactInductance * 2e-5);
}

// Round trip: solving back from a solved value gives the starting value to the rounding.
TEST(Resonance, SolvingBackReturnsTheStartingValue) {
    for (double capacite : {22.0, 100.0, 470.0, 1000.0}) {
        for (double inductance : {1.0, 4.7, 10.0, 220.0}) {
            const double frequence = *resonanceFrequency(capacite, inductance);
            EXPECT_NEAR(*resonanceCapacitance(inductance, frequence), capacite, capacite * 1e-4);
            EXPECT_NEAR(*resonanceInductance(capacite, frequence), inductance, inductance * 1e-4);
        }
    }
}

// The numerator 253.3 x 10^8 must come out as the exact integer, not 253.3 rounded up.
TEST(Resonance, NumeratorIsExact) {
    EXPECT_EQ(resonanceInductance(1, 1), 25330000000.0);
}

struct OutOfRange {
    const char* name;
    std::optional<double> (*formula)(double, double);
    double first;
    double second;
};

// Intermediates that leave the double range, including a product that underflows to 0.
const OutOfRange kOutOfRange[] = {
    {"frequency_product_underflows", resonanceFrequency, 1e-170, 1e-170},
    {"frequency_product_overflows", resonanceFrequency, 1e200, 1e200},
    {"inductance_square_overflows", resonanceInductance, 1, 1e200},
    {"inductance_product_underflows", resonanceInductance, 1e-300, 1e-10},
    {"inductance_rounding_overflows", resonanceInductance, 1e-300, 1},
    {"capacitance_power_overflows", resonanceCapacitance, 1, 1e160},
    {"capacitance_rounding_overflows", resonanceCapacitance, 1e-300, 1},
};

class OutOfRangeTest : public testing::TestWithParam<OutOfRange> {};

TEST_P(OutOfRangeTest, GivesNoResult) {
    const OutOfRange& row = GetParam();
    EXPECT_FALSE(row.formula(row.first, row.second).has_value());
}

INSTANTIATE_TEST_SUITE_P(Resonance, OutOfRangeTest, testing::ValuesIn(kOutOfRange), caseName);

} // namespace
