#include "quantities/NumberText.h"
#include "quantities/NumericValue.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

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

} // namespace
