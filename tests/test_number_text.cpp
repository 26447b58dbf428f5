#include "quantities/DecimalText.h"
#include "quantities/NumberText.h"
#include "quantities/NumericValue.h"

#include <gtest/gtest.h>

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

using namespace formules;

namespace {

struct Writing {
    const char* name;
    double value;
    const char* separator;
    const char* expected;
};

// The expected texts are those printf("%.15G") gives in the C locale, with the separator swapped.
const Writing kWritings[] = {
    {"whole_number_has_no_separator", 2.0, ".", "2"},
    {"zero", 0.0, ".", "0"},
    {"negative_zero_is_plain_zero", -0.0, ".", "0"},
    {"three_decimals", 5032.921, ".", "5032.921"},
    {"no_floating_remainder", 253.3, ".", "253.3"},
    {"binary_noise_is_cut_at_15_digits", 0.1 + 0.2, ".", "0.3"},
    {"two_decimals", 62.83, ".", "62.83"},
    {"french_comma", 5032.921, ",", "5032,921"},
    {"negative", -2.5, ".", "-2.5"},
    {"fifteen_digits_kept", 123456789012345.0, ".", "123456789012345"},
    {"sixteen_digits_switch_to_exponent", 1234567890123456.0, ".", "1.23456789012346E+15"},
    {"ten_to_the_fifteen", 1e15, ".", "1E+15"},
    {"rounding_up_to_ten_to_the_fifteen", 999999999999999.9, ".", "1E+15"},
    {"largest_plain", 99999999999999.0, ".", "99999999999999"},
    {"smallest_plain_exponent", 0.0001, ".", "0.0001"},
    {"below_smallest_plain_exponent", 0.00001, ".", "1E-05"},
    {"exponent_form_with_fraction", 0.000015, ".", "1.5E-05"},
    {"exponent_form_uses_separator", 0.000015, ",", "1,5E-05"},
    {"three_digit_exponent", 1e300, ".", "1E+300"},
    {"subnormal", 4.9406564584124654e-324, ".", "4.94065645841247E-324"},
    {"largest_double_is_cut_to_stay_readable", std::numeric_limits<double>::max(), ".",
     "1.79769313486231E+308"},
    {"negative_largest_double", -std::numeric_limits<double>::max(), ".", "-1.79769313486231E+308"},
    {"just_below_the_cut_rounds", 1.7976931348623e308, ".", "1.7976931348623E+308"},
    {"half_rounds_away", 0.00012345678901234567, ".", "0.000123456789012346"},
    {"infinity_has_no_text", std::numeric_limits<double>::infinity(), ".", ""},
    {"nan_has_no_text", std::numeric_limits<double>::quiet_NaN(), ".", ""},
};

class NumberTextTest : public testing::TestWithParam<Writing> {};

TEST_P(NumberTextTest, WritesAtMostFifteenDigits) {
    const Writing& row = GetParam();
    EXPECT_EQ(textOfNumber(row.value, row.separator), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Numbers, NumberTextTest, testing::ValuesIn(kWritings),
                         [](const auto& test) { return std::string(test.param.name); });

// Cross-check against the C library's own %.15G on a spread of magnitudes and digit patterns.
TEST(NumberText, MatchesPrintfFifteenSignificantDigits) {
    std::setlocale(LC_NUMERIC, "C");
    const double mantissas[] = {
        1.0,       1.5, 3.14159265358979, 9.99999999999999, 9.999999999999999,
        2.0 / 3.0, 0.1, 123.456,          5e-324 * 3};
    for (double mantissa : mantissas) {
        for (int exponent = -330; exponent <= 308; exponent += 7) {
            for (double sign : {1.0, -1.0}) {
                const double value = sign * mantissa * std::pow(10.0, exponent);
                if (!std::isfinite(value) || value == 0.0) {
                    continue;
                }
                char expected[64];
                std::snprintf(expected, sizeof expected, "%.15G", value);
                EXPECT_EQ(textOfNumber(value, "."), expected) << value;
            }
        }
    }
}

// A result written with either separator reads back as the number written, to 15 digits.
TEST(NumberText, ReadsBackWithinFifteenDigits) {
    const double values[] = {5032.921,
                             1591.55,
                             0.001,
                             1e-5,
                             1.23456789012345e200,
                             206.78,
                             std::numeric_limits<double>::max()};
    for (const char* separator : {".", ","}) {
        for (double value : values) {
            const auto back = numericValue(textOfNumber(value, separator));
            ASSERT_TRUE(back.has_value());
            EXPECT_NEAR(*back, value, std::fabs(value) * 1e-14) << separator << value;
        }
    }
}

struct Shortest {
    const char* name;
    double value;
    const char* expected;
};

// The shortest texts that read back as the double, as the C++ standard defines them for
// std::to_chars: the fewest characters, fixed notation on a tie, then the nearest text.
const Shortest kShortest[] = {
    {"zero", 0.0, "0"},
    {"negative_zero_keeps_its_sign", -0.0, "-0"},
    {"whole", 123456.0, "123456"},
    {"binary_noise_is_dropped", 0.1 + 0.2, "0.30000000000000004"},
    {"three_tenths", 0.3, "0.3"},
    {"exponent_when_shorter", 1e22, "1e+22"},
    {"two_exponent_digits", 1e-5, "1e-05"},
    {"exponent_on_a_tie_of_five_characters", 0.0001, "1e-04"},
    {"large_whole_number_exactly", 1180591620717411303424.0, "1180591620717411303424"},
    {"largest_double", std::numeric_limits<double>::max(), "1.7976931348623157e+308"},
    {"smallest_subnormal", 5e-324, "5e-324"},
    {"power_of_two_rounds_up_to_read_back", 7.6784476871456305e-239, "7.678447687145631e-239"},
    {"negative", -2.5, "-2.5"},
};

class ShortestTextTest : public testing::TestWithParam<Shortest> {};

TEST_P(ShortestTextTest, ReadsBackWithTheFewestCharacters) {
    const Shortest& row = GetParam();
    EXPECT_EQ(shortestText(row.value), row.expected);
    EXPECT_EQ(readDecimal(row.expected).value, row.value);
}

INSTANTIATE_TEST_SUITE_P(Numbers, ShortestTextTest, testing::ValuesIn(kShortest),
                         [](const auto& test) { return std::string(test.param.name); });

// Where the C++ library has the floating-point conversions, the program's own give the same
// texts and the same doubles: every power of two and its neighbours, and random bit patterns.
TEST(DecimalText, AgreesWithTheLibrarysConversions) {
#if defined(__cpp_lib_to_chars)
    std::setlocale(LC_NUMERIC, "C");
    std::vector<double> values;
    for (int exponent = -1074; exponent <= 1023; ++exponent) {
        const double power = std::ldexp(1.0, exponent);
        values.insert(values.end(), {power, std::nextafter(power, 0.0),
                                     std::nextafter(power, std::numeric_limits<double>::max())});
    }
    std::mt19937_64 random(27);
    while (values.size() < 30000) {
        const std::uint64_t bits = random();
        double value = 0.0;
        std::memcpy(&value, &bits, sizeof value);
        if (std::isfinite(value)) {
            values.push_back(value);
        }
    }
    for (double value : values) {
        char text[64];
        const auto written = std::to_chars(text, text + sizeof text, value);
        ASSERT_EQ(shortestText(value), std::string(text, written.ptr)) << value;
        const auto rounded =
            std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, 14);
        ASSERT_EQ(scientificText(value, 14), std::string(text, rounded.ptr)) << value;
        double read = 0.0;
        const auto parsed = std::from_chars(text, rounded.ptr, read);
        const DecimalReading own = readDecimal(std::string(text, rounded.ptr));
        ASSERT_EQ(own.outOfRange, parsed.ec == std::errc::result_out_of_range) << text;
        ASSERT_EQ(own.value, read) << text;
    }
#else
    GTEST_SKIP() << "this C++ library has no floating-point to_chars to compare with";
#endif
}

struct Reading {
    const char* name;
    const char* text;
    double value;
    bool outOfRange;
};

// Decimal and hexadecimal texts at the edges of the doubles: correctly rounded, subnormals
// kept, and only what lies beyond the doubles either way out of range.
const Reading kDecimalReadings[] = {
    {"tenth", "0.1", 0.1, false},
    {"halfway_rounds_to_even", "9007199254740993", 9007199254740992.0, false},
    {"subnormal_is_in_range", "1e-310", 1e-310, false},
    {"half_the_smallest_subnormal_rounds_up", "2.4703282292062328e-324", 5e-324, false},
    {"under_half_the_smallest_subnormal", "2.4703282292062327e-324", 0.0, true},
    {"largest_double", "1.7976931348623157e308", std::numeric_limits<double>::max(), false},
    {"over_the_largest_double", "1.7976931348623159e308", 0.0, true},
    {"zero_with_a_huge_exponent", "0e-999", 0.0, false},
};

class DecimalReadingTest : public testing::TestWithParam<Reading> {};

TEST_P(DecimalReadingTest, IsCorrectlyRounded) {
    const Reading& row = GetParam();
    const DecimalReading read = readDecimal(row.text);
    EXPECT_EQ(read.value, row.value);
    EXPECT_EQ(read.outOfRange, row.outOfRange);
}

INSTANTIATE_TEST_SUITE_P(Numbers, DecimalReadingTest, testing::ValuesIn(kDecimalReadings),
                         [](const auto& test) { return std::string(test.param.name); });

// Hexadecimal digits past 53 bits round to nearest, halves to even.
TEST(DecimalText, HexadecimalDigitsRoundCorrectly) {
    EXPECT_EQ(readHexadecimal("ff").value, 255.0);
    EXPECT_EQ(readHexadecimal("20000000000001").value, 9007199254740992.0);
    EXPECT_EQ(readHexadecimal("20000000000003").value, 9007199254740996.0);
    EXPECT_TRUE(readHexadecimal(std::string(257, 'f')).outOfRange);
}

} // namespace
