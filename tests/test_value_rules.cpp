#include "quantities/ValueRules.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

using namespace formules;

namespace {

struct Classification {
    const char* name;
    EntryValue value;
    bool blank;
    bool zero;
    bool negative;
};

const Classification kClassifications[] = {
    {"empty", EntryValue(), true, true, false},
    {"empty_text", EntryValue::emptyText(), true, true, false},
    {"text_of_spaces_is_given", EntryValue::text("   "), false, true, false},
    {"integer_zero_is_given", EntryValue::integer(0), false, true, false},
    {"double_zero_is_given", EntryValue::number(0.0), false, true, false},
    {"positive_double", EntryValue::number(5.0), false, false, false},
    {"negative_double", EntryValue::number(-1e-300), false, false, true},
    {"numeric_text", EntryValue::text("12,5"), false, false, false},
    {"negative_text", EntryValue::text("-3"), false, false, true},
    {"text_beyond_range_counts_as_zero", EntryValue::text("1e999"), false, true, false},
};

class ClassificationTest : public testing::TestWithParam<Classification> {};

TEST_P(ClassificationTest, BlankAndZeroTests) {
    const Classification& row = GetParam();
    EXPECT_EQ(isBlank(row.value), row.blank);
    EXPECT_EQ(isGiven(row.value), !row.blank);
    EXPECT_EQ(equalsZero(row.value), row.zero);
    EXPECT_EQ(lessThanZero(row.value), row.negative);
    EXPECT_EQ(isZeroOrNegative(row.value), row.zero || row.negative);
}

INSTANTIATE_TEST_SUITE_P(Values, ClassificationTest, testing::ValuesIn(kClassifications),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(ValueRules, EmptyAndEmptyTextAreDifferentKinds) {
    EXPECT_NE(EntryValue(), EntryValue::emptyText());
    EXPECT_NE(EntryValue::integer(0), EntryValue::number(0.0));
}

TEST(ValueRules, WholePartIsTheFloor) {
    EXPECT_EQ(wholePart(2.7), 2.0);
    EXPECT_EQ(wholePart(-2.5), -3.0);
    EXPECT_EQ(wholePart(-0.0), -0.0);
}

struct Rounding {
    const char* name;
    double value;
    double scale;
    double expected;
};

// Half-up through the floor: a half that is exact in binary goes up; one that is not exactly
// representable goes the way its double lies.
const Rounding kRoundings[] = {
    {"three_decimals", 5032.9212155, 1000, 5032.921},
    {"exact_half_goes_up", 0.675, 100, 0.68},
    {"half_of_a_whole_turn_goes_up", 17.5, 1, 18.0},
    {"below_half_goes_down", 17.4999, 1, 17.0},
    {"tiny_positive_to_zero", 0.0004, 1000, 0.0},
    {"two_decimals", 206.77551020408163, 100, 206.78},
    {"negative_half_goes_up", -2.5, 1, -2.0},
};

class RoundingTest : public testing::TestWithParam<Rounding> {};

TEST_P(RoundingTest, HalfUpToTheScale) {
    const Rounding& row = GetParam();
    const auto rounded = roundHalfUp(row.value, row.scale);
    ASSERT_TRUE(rounded.has_value());
    EXPECT_EQ(*rounded, row.expected);
}

INSTANTIATE_TEST_SUITE_P(Values, RoundingTest, testing::ValuesIn(kRoundings),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(ValueRules, RoundingThatOverflowsIsEmpty) {
    EXPECT_FALSE(roundHalfUp(1e306, 1000).has_value());
    EXPECT_FALSE(roundHalfUp(std::numeric_limits<double>::infinity(), 1).has_value());
    EXPECT_TRUE(roundHalfUp(1e304, 1000).has_value());
}

} // namespace

namespace {

// Every test of a combined condition runs, even when an earlier one already decides it.
TEST(ValueRules, AndOrEvaluateEveryTest) {
    int evaluated = 0;
    auto test = [&](bool result) {
        ++evaluated;
        return result;
    };
    EXPECT_FALSE(allOf({test(false), test(true), test(true)}));
    EXPECT_TRUE(anyOf({test(true), test(false)}));
    EXPECT_EQ(evaluated, 5);
}

} // namespace
