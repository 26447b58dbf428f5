#include "quantities/NumericValue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

using namespace formules;

namespace {

struct Reading {
    const char* name;
    std::string text;
    double expected;
};

// Every row names the rule it protects. Expected values are the nearest doubles of the decimal
// literals, so any hand-made digit accumulation that loses a bit fails.
const Reading kReadings[] = {
    {"empty_text_is_zero", "", 0.0},
    {"plain_whole_number", "100", 100.0},
    {"period_decimal", "0.5", 0.5},
    {"leading_period", ".5", 0.5},
    {"negative", "-2", -2.0},
    {"explicit_plus", "+7.25", 7.25},
    {"exponent", "1e3", 1000.0},
    {"upper_case_exponent_with_sign", "2.5E-3", 2.5e-3},
    {"d_exponent_letter", "1.5D2", 150.0},
    {"exponent_letter_without_digits", "1e", 1.0},
    {"exponent_sign_without_digits", "1e+", 1.0},
    {"not_a_number", "abc", 0.0},
    {"trailing_letters", "12abc", 12.0},
    {"stops_at_minus", "5-3", 5.0},
    {"second_period_stops", "1.2.3", 1.2},
    {"sign_only", "-", 0.0},
    {"period_only", ".", 0.0},
    {"spaces_only", "   ", 0.0},
    {"blanks_inside_are_ignored", " 12 5", 125.0},
    {"tabs_and_line_feeds_are_ignored", "\t1\n0 0\t", 100.0},
    {"blank_inside_exponent", "1 e 3", 1000.0},
    {"comma_decimal", "3,5", 3.5},
    {"comma_twelve_and_a_half", "12,5", 12.5},
    {"leading_comma", ",5", 0.5},
    {"comma_then_period", "1,2.3", 1.2},
    {"period_then_comma", "1.2,3", 1.2},
    {"own_french_result_reads_back", "5032,921", 5032.921},
    {"correctly_rounded_tenth", "0.1", 0.1},
    {"correctly_rounded_253_3", "253.3", 253.3},
    {"tiny_but_normal", "1e-300", 1e-300},
    {"subnormal", "4.9e-324", 4.9e-324},
    {"underflow_reads_as_zero", "1e-400", 0.0},
    {"negative_underflow_reads_as_zero", "-1e-999", 0.0},
    {"long_fraction_underflows", "0.000001e-320", 0.0},
    {"many_digits_then_small_exponent", std::string(400, '1') + "e-399", 1.1111111111111111},
    {"largest_double", "1.7976931348623157e308", std::numeric_limits<double>::max()},
    {"zero_with_huge_exponent", "0e999999", 0.0},
    {"leading_zeros", "000123.5", 123.5},
    {"long_pasted_text", std::string(100000, '0') + "1000", 1000.0},
    {"long_pasted_text_with_blanks", std::string(50000, ' ') + "1 000", 1000.0},
    {"hex", "&HFF", 255.0},
    {"hex_lower_case", "&hff", 255.0},
    {"hex_stops_at_non_digit", "&H1G", 1.0},
    {"hex_without_digits", "&H", 0.0},
    {"hex_is_unsigned", "&HFFFF", 65535.0},
    {"hex_beyond_53_bits_rounds", "&H20000000000001", 9007199254740992.0},
    {"octal", "&O17", 15.0},
    {"octal_lower_case_with_blanks", " &o 7 7", 63.0},
    {"octal_stops_at_8", "&O78", 7.0},
    {"octal_long", "&O1777777777777777777777", 18446744073709551615.0},
    {"ampersand_alone", "&", 0.0},
    {"ampersand_other_letter", "&X12", 0.0},
};

class NumericValueTest : public testing::TestWithParam<Reading> {};

TEST_P(NumericValueTest, ReadsTheNearestDouble) {
    const Reading& row = GetParam();
    const auto value = numericValue(row.text);
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(*value, row.expected);
    EXPECT_FALSE(std::signbit(*value) && *value == 0.0) << "negative zero";
}

INSTANTIATE_TEST_SUITE_P(Texts, NumericValueTest, testing::ValuesIn(kReadings),
                         [](const auto& test) { return std::string(test.param.name); });

struct Beyond {
    const char* name;
    std::string text;
};

const Beyond kBeyond[] = {
    {"huge_exponent", "1e999"},
    {"negative_huge", "-1e309"},
    {"four_hundred_digits", std::string(400, '9')},
    {"saturating_exponent", "1e99999999999999999999999"},
    {"long_hex", "&H" + std::string(300, 'F')},
    {"long_octal", "&O" + std::string(400, '7')},
    {"just_above_largest", "1.7976931348623159e308"},
};

class BeyondRangeTest : public testing::TestWithParam<Beyond> {};

TEST_P(BeyondRangeTest, IsReportedNotInfinite) {
    EXPECT_FALSE(numericValue(GetParam().text).has_value());
}

INSTANTIATE_TEST_SUITE_P(Texts, BeyondRangeTest, testing::ValuesIn(kBeyond),
                         [](const auto& test) { return std::string(test.param.name); });

} // namespace
