#include "quantities/BoxReading.h"
#include "quantities/NumericValue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <utility>

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
    std::optional<double> expected; // empty: the text is not understood
    // How the program writes its results where the box is read.
    ResultsWritten written = ResultsWritten::WithComma;
};

constexpr Unit kHz = Unit::Kilohertz;
constexpr Unit pF = Unit::Picofarad;
constexpr Unit uH = Unit::Microhenry;
constexpr Unit cm = Unit::Centimetre;
const std::optional<double> kRefused;
constexpr ResultsWritten kPoint = ResultsWritten::WithPoint;

// The whole text is read, or it is not understood. A unit word after a plain number converts it
// into the box's unit; a word of another box's units, a word after something that is not a plain
// number, letters or any leftover make the text not understood. Expected values are the doubles
// the conversions give: larger units multiply (7.1 x 1000 is exactly 7100), smaller ones divide
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
    {"letter_after_the_word", "7.1 Mhzx", kHz, kRefused},
    {"word_after_a_second_separator", "1.2.3MHz", kHz, kRefused},
    {"word_after_a_range", "3.5-4 MHz", kHz, kRefused},
    {"exponent_without_digits_is_no_number", "1eMHz", kHz, kRefused},
    {"picofarad_in_a_frequency_box", "10 pF", kHz, kRefused},
    {"henry_letter_in_a_frequency_box", "1 kH", kHz, kRefused},
    {"foot_in_a_frequency_box", "1 ft", kHz, kRefused},
    {"hex", "&H1A", kHz, 26},
    {"hex_ending_in_a_farad_letter_is_hex", "&HFF", kHz, 255},
    {"hex_in_a_capacitance_box", "&HFF", pF, 255},
    {"octal_lower_case", "&o17", cm, 15},
    {"hex_without_digits", "&H", kHz, kRefused},
    {"hex_with_a_leftover", "&H1Fz", Unit::None, kRefused},
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
    {"trailing_letters", "12abc", cm, kRefused},
    {"letters_alone", "abc", uH, kRefused},
    {"second_separator", "1.2.3", Unit::None, kRefused},
    {"range", "5-3", kHz, kRefused},
    {"three_commas", "1,2,3", pF, kRefused},
    {"lone_exponent_letter", "1e", cm, kRefused},
    {"exponent_without_word", "1e3", uH, 1000},
    {"blank_between_thousands", "12 500", kHz, 12500},
    {"nothing", "", kHz, 0},
    {"blanks_only", "  \t ", pF, 0},
    {"zero", "0", uH, 0},
    {"negative_reads_wholly", "-5", cm, -5},
    {"unit_word_in_a_turns_box", "31 m", Unit::None, kRefused},
    {"turns", "31", Unit::None, 31},
    // Component codes: the letter stands for the decimal point, in its unit.
    {"code_mega", "7M1", kHz, 7100},
    {"code_kilo", "3k5", kHz, 3.5},
    {"code_giga", "1G2", kHz, 1200000},
    {"code_small_m_in_a_frequency_box", "7m1", kHz, kRefused},
    {"code_pico", "4p7", pF, 4.7},
    {"code_nano_farad", "4n7", pF, 4700},
    {"code_without_digits_before", "n47", pF, 470},
    {"code_micro_farad", "1u5", pF, 1500000},
    {"code_nano_henry", "4n7", uH, 0.0047},
    {"code_micro_henry", "2u2", uH, 2.2},
    {"code_milli_henry", "1m5", uH, 1500},
    {"code_point_before", "R47", uH, 0.47},
    {"code_point_inside", "4R7", uH, 4.7},
    {"code_point_lower_case", "4r7", uH, 4.7},
    {"code_point_with_nothing_after", "4R", uH, 4},
    {"code_with_blanks", "4 n 7", pF, 4700},
    {"code_letter_of_another_box", "4k7", uH, kRefused},
    {"code_in_a_length_box", "2m5", cm, kRefused},
    {"code_point_in_a_capacitance_box", "4R7", pF, kRefused},
    {"code_letter_alone", "R", uH, kRefused},
    {"code_with_a_sign", "-4n7", pF, kRefused},
    {"code_with_two_letters", "4nn7", pF, kRefused},
    {"code_with_a_leftover", "4n7n", pF, kRefused},
    {"code_with_a_separator", "4.7n7", pF, kRefused},
    // Where results are written with a point, commas between groups of three digits in the whole
    // part separate thousands; any other comma is the decimal separator it always was.
    {"thousands_comma", "14,230", kHz, 14230, kPoint},
    {"thousands_comma_before_a_point", "1,234,567.5", kHz, 1234567.5, kPoint},
    {"thousands_comma_with_a_unit", "14,230 kHz", kHz, 14230, kPoint},
    {"thousands_comma_with_a_scaling_unit", "2,200 nF", pF, 2.2e6, kPoint},
    {"thousands_comma_with_a_sign", "-1,000", kHz, -1000, kPoint},
    {"thousands_comma_with_an_exponent", "1,000E3", kHz, 1e6, kPoint},
    {"thousands_comma_with_blanks", "1, 000", Unit::None, 1000, kPoint},
    {"thousands_comma_first_group_of_three", "100,000", kHz, 100000, kPoint},
    {"thousands_comma_no_unit", "1,000", Unit::None, 1000, kPoint},
    {"comma_before_a_zero_group_is_decimal", "0,047", pF, 0.047, kPoint},
    {"comma_before_two_digits_is_decimal", "14,23", kHz, 14.23, kPoint},
    {"comma_before_one_digit_is_decimal", "1,5", kHz, 1.5, kPoint},
    {"comma_before_four_digits_is_decimal", "1,2345", kHz, 1.2345, kPoint},
    {"first_group_of_four_is_decimal", "1234,567", kHz, 1234.567, kPoint},
    {"groups_of_two_are_refused", "1,23,456", kHz, kRefused, kPoint},
    {"short_last_group_is_refused", "1,234,56", kHz, kRefused, kPoint},
    {"comma_after_the_point_is_refused", "1,234.5,6", kHz, kRefused, kPoint},
    {"thousands_comma_in_a_code_is_refused", "1,234n7", pF, kRefused, kPoint},
    {"with_a_decimal_comma_it_is_decimal", "14,230", kHz, 14.23},
    {"with_a_decimal_comma_groups_are_refused", "1,234,567.5", kHz, kRefused},
};

class UnitReadingTest : public testing::TestWithParam<UnitReading> {};

TEST_P(UnitReadingTest, ReadsWhollyInTheBoxsUnitOrIsNotUnderstood) {
    const UnitReading& row = GetParam();
    const BoxReading reading = readBoxText(row.text, row.unit, row.written);
    EXPECT_EQ(reading.understood, row.expected.has_value());
    if (row.expected) {
        EXPECT_EQ(reading.value, row.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, UnitReadingTest, testing::ValuesIn(kUnitReadings),
                         [](const auto& test) { return std::string(test.param.name); });

struct CodeReading {
    const char* name;
    const char* code;
    const char* withUnitWord;
    Unit unit;
};

// A component code reads exactly as the same number written with a separator and its letter as
// a unit word, to the bit, and is worth showing the user; so is a unit word that changes the
// number, and not one that keeps it.
const CodeReading kCodes[] = {
    {"kilo", "3k5", "3.5k", kHz},
    {"kilo_upper_case", "3K5", "3,5K", kHz},
    {"mega", "7M1", "7.1M", kHz},
    {"giga", "1G2", "1.2G", kHz},
    {"giga_lower_case", "1g2", "1.2g", kHz},
    {"pico", "4p7", "4.7p", pF},
    {"nano_farad", "4n7", "4.7n", pF},
    {"nano_upper_case", "4N7", "4.7N", pF},
    {"nano_before_digits", "n47", ".47n", pF},
    {"micro_farad", "1u5", "1.5u", pF},
    {"micro_sign", "2\u00b52", "2.2\u00b5", pF},
    {"greek_mu", "2\u03bc2", "2.2\u03bc", pF},
    {"nano_henry", "4n7", "4.7n", uH},
    {"micro_henry", "2u2", "2.2u", uH},
    {"milli_henry", "1m5", "1.5m", uH},
    {"milli_upper_case", "1M5", "1.5M", uH},
    {"point_before", "R33", "0.33", uH},
    {"point_inside", "3R3", "3.3", uH},
};

class CodeReadingTest : public testing::TestWithParam<CodeReading> {};

TEST_P(CodeReadingTest, ReadsAsTheNumberWithItsUnitWord) {
    const CodeReading& row = GetParam();
    const BoxReading code = readBoxText(row.code, row.unit);
    const BoxReading written = readBoxText(row.withUnitWord, row.unit);
    ASSERT_TRUE(code.understood && code.value && written.value);
    EXPECT_EQ(std::memcmp(&*code.value, &*written.value, sizeof(double)), 0)
        << *code.value << " " << *written.value;
    EXPECT_TRUE(code.worthShowing);
}

INSTANTIATE_TEST_SUITE_P(Texts, CodeReadingTest, testing::ValuesIn(kCodes),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(UnitReading, WhatIsWorthShowing) {
    EXPECT_TRUE(readBoxText("7,1 MHz", kHz).worthShowing);
    EXPECT_TRUE(readBoxText("4R7", uH).worthShowing);
    EXPECT_FALSE(readBoxText("10 µH", uH).worthShowing);
    EXPECT_FALSE(readBoxText("7100", kHz).worthShowing);
    EXPECT_FALSE(readBoxText("&H10", kHz).worthShowing);
    EXPECT_TRUE(readBoxText("1,000", Unit::None, kPoint).worthShowing);
    EXPECT_TRUE(readBoxText("14,230 kHz", kHz, kPoint).worthShowing);
    EXPECT_FALSE(readBoxText("14,23", kHz, kPoint).worthShowing);
}

// Numbers whose conversion leaves the range of a double, or that already lie beyond it, read
// wholly and have no value: the calculation reads them as 0.
TEST(UnitReading, BeyondTheRangeOfADoubleIsReported) {
    for (const auto& [text, unit] :
         {std::pair{"1e308 GHz", kHz}, std::pair{"-1e300F", pF}, std::pair{"1e999 mm", cm},
          std::pair{"1e999", Unit::None}, std::pair{"1e306G", kHz}}) {
        const BoxReading reading = readBoxText(text, unit);
        EXPECT_TRUE(reading.understood) << text;
        EXPECT_FALSE(reading.value.has_value()) << text;
    }
    EXPECT_EQ(readBoxText("1e-322 Hz", kHz).value, 0.0);
}

} // namespace
