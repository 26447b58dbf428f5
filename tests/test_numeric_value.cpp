#include "quantities/NumericValue.h"
#include "quantities/Units.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
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

struct UnitReading {
    const char* name;
    std::string text;
    Unit unit;
    std::optional<double> expected; // empty: the text is refused
};

constexpr Unit kHz = Unit::Kilohertz;
constexpr Unit pF = Unit::Picofarad;
constexpr Unit uH = Unit::Microhenry;
constexpr Unit cm = Unit::Centimetre;
const std::optional<double> kRefused;

// A unit word after a plain number converts it into the box's unit; a word of another box's
// units, or a word after something that is not a plain number, refuses the text; a text without
// a unit word at its end reads as its numeric value. Expected values are the doubles the
// conversions give: larger units multiply (7.1 x 1000 is exactly 7100), smaller ones divide
// (500 / 1000 is 0.5).
const UnitReading kUnitReadings[] = {
    {"hertz_divide", "500Hz", kHz, 0.5},
    {"hertz_divides_not_multiplies_by_a_thousandth", "1,3 Hz", kHz, 0.0013},
    {"kilohertz_as_is", "7,1 kHz", kHz, 7.1},
    {"megahertz_with_comma", "7,1 MHz", kHz, 7100},
    {"gigahertz", "1.2 GHz", kHz, 1200000},
    {"upper_case_word", "7.1MHZ", kHz, 7100},
    {"kilo_alone", "7100k", kHz, 7100},
    {"kilocycles", "7100 kc", kHz, 7100},
    {"capital_m_is_mega", "7.1M", kHz, 7100},
    {"meg", "7,1 meg", kHz, 7100},
    {"megacycles", "7,1 Mc", kHz, 7100},
    {"megacycles_lower_case", "7,1mc", kHz, 7100},
    {"giga_alone", "0,0071G", kHz, 7100},
    {"small_m_is_refused_in_a_frequency_box", "7,1m", kHz, kRefused},
    {"exponent_before_word", "1e3 Hz", kHz, 1},
    {"d_exponent_before_word", "2,5D3hz", kHz, 2.5},
    {"blanks_inside_number_and_word", " 1 4 M h z ", kHz, 14000},
    {"tab_and_line_feed_ignored", "3\tM\nHz", kHz, 3000},
    {"signed_number", "-2MHz", kHz, -2000},
    {"word_with_nothing_before", "MHz", kHz, kRefused},
    {"capital_m_with_nothing_before", "M", kHz, kRefused},
    {"text_that_does_not_end_with_a_word", "7.1 Mhzx", kHz, 7.1},
    {"word_after_a_second_separator", "1.2.3MHz", kHz, kRefused},
    {"word_after_a_range", "3.5-4 MHz", kHz, kRefused},
    {"exponent_without_digits_is_no_number", "1eMHz", kHz, kRefused},
    {"picofarad_in_a_frequency_box", "10 pF", kHz, kRefused},
    {"henry_letter_in_a_frequency_box", "1 kH", kHz, kRefused},
    {"foot_in_a_frequency_box", "1 ft", kHz, kRefused},
    {"hex_is_read_as_before", "&H1A", kHz, 26},
    {"hex_ending_in_a_farad_letter", "&HFF", kHz, kRefused},
    {"picofarad_short", "100p", pF, 100},
    {"picofarad", "100 pF", pF, 100},
    {"nanofarad_comma", "4,7 nF", pF, 4700},
    {"nano_short", "4,7n", pF, 4700},
    {"microfarad_micro_sign", "2.2 \u00b5F", pF, 2200000},
    {"microfarad_greek_mu", "2.2 \u03bcF", pF, 2200000},
    {"microfarad_u", "1uf", pF, 1000000},
    {"farad", "0,5F", pF, 500000000000},
    {"two_commas_before_word", "1,2,3 nF", pF, kRefused},
    {"kilo_in_a_capacitance_box", "4.7k", pF, kRefused},
    {"megahertz_in_a_capacitance_box", "7,1 MHz", pF, kRefused},
    {"ohm_word", "100 OHM", pF, kRefused},
    {"nanohenry_divides", "100nH", uH, 0.1},
    {"microhenry_micro_sign", "2.2\u00b5H", uH, 2.2},
    {"millihenry", "10 mH", uH, 10000},
    {"metre_in_an_inductance_box_is_milli", "3 m", uH, 3000},
    {"henry", "1H", uH, 1000000},
    {"nano_shared_with_capacitance_is_own", "100n", uH, 0.1},
    {"nanofarad_in_an_inductance_box", "100 nF", uH, kRefused},
    {"microfarad_in_an_inductance_box", "10 uF", uH, kRefused},
    {"millimetre_is_longer_than_milli", "2 mm", uH, kRefused},
    {"ohms_word", "100 ohms", uH, kRefused},
    {"word_after_letters", "1 kH", uH, kRefused},
    {"millimetre_divides", "2 mm", cm, 0.2},
    {"millimetre_upper_case", "2 MM", cm, 0.2},
    {"millimetre_divides_not_multiplies_by_a_tenth", "33mm", cm, 3.3},
    {"centimetre", "2,5cm", cm, 2.5},
    {"metre_in_a_length_box", "3 m", cm, 300},
    {"inch_word", "1.5 in", cm, 3.81},
    {"inch_mark", "1.5\"", cm, 3.81},
    {"inch_upper_case", "2IN", cm, 5.08},
    {"foot", "2 ft", cm, 60.96},
    {"kilohertz_in_a_length_box", "1 kHz", cm, kRefused},
    {"greek_capital_omega", "100 \u03a9", cm, kRefused},
    {"ohm_sign", "100\u2126", kHz, kRefused},
    {"bare_letter_is_no_number", "m", cm, kRefused},
    {"trailing_letters_as_before", "12abc", cm, 12},
    {"exponent_without_word", "1e3", uH, 1000},
    {"no_unit_for_turns", "31 m", Unit::None, 31},
};

class UnitReadingTest : public testing::TestWithParam<UnitReading> {};

TEST_P(UnitReadingTest, ConvertsIntoTheBoxsUnitOrRefuses) {
    const UnitReading& row = GetParam();
    EXPECT_EQ(valueInUnit(row.text, row.unit), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, UnitReadingTest, testing::ValuesIn(kUnitReadings),
                         [](const auto& test) { return std::string(test.param.name); });

// Numbers whose conversion leaves the range of a double, or that already lie beyond it.
TEST(UnitReading, BeyondTheRangeOfADoubleIsReported) {
    EXPECT_FALSE(valueInUnit("1e308 GHz", Unit::Kilohertz).has_value());
    EXPECT_FALSE(valueInUnit("-1e300F", Unit::Picofarad).has_value());
    EXPECT_FALSE(valueInUnit("1e999 mm", Unit::Centimetre).has_value());
    EXPECT_EQ(valueInUnit("1e-322 Hz", Unit::Kilohertz), 0.0);
}

} // namespace
