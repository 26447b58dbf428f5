#include "HeadlessProgram.h"
#include "shell/CalculationAddress.h"
#include "shell/Windows.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using namespace formules;

namespace {

TEST(Frame, EveryQuantityStartsEmpty) {
    HeadlessProgram program;
    for (const QuantityName& quantity : kQuantityNames) {
        EXPECT_EQ(program.q().*quantity.field, EntryValue()) << quantity.name;
    }
}

TEST(Frame, ChangeRuleFollowsEveryKeystrokeAndDeletion) {
    HeadlessProgram program;
    program.type(FormId::Form4, "Text2", "1");
    EXPECT_EQ(program.q().frequence, EntryValue::text("1"));
    program.type(FormId::Form4, "Text2", "2");
    EXPECT_EQ(program.q().frequence, EntryValue::text("12"));
    Form& form4 = program.form(FormId::Form4);
    program.toolkit.writeBox(form4, "Text2", "1");
    program.toolkit.writeBox(form4, "Text2", "");
    EXPECT_EQ(program.q().frequence, EntryValue::emptyText());
}

TEST(Frame, IdenticalWriteRunsNoChangeRule) {
    HeadlessProgram program;
    Form& form4 = program.form(FormId::Form4);
    program.q().capacite = EntryValue::number(3);
    program.toolkit.writeBox(form4, "Text1", "");
    EXPECT_EQ(program.q().capacite, EntryValue::number(3));
}

TEST(Frame, InstructionBoxFeedsNothing) {
    HeadlessProgram program;
    program.type(FormId::Form4, "Text4", "x");
    for (const QuantityName& quantity : kQuantityNames) {
        EXPECT_EQ(program.q().*quantity.field, EntryValue()) << quantity.name;
    }
}

// A value given in another window, whose box here is empty, is blanked too; a quantity the
// window does not feed is left alone.
TEST(Frame, EffacerBlanksEveryQuantityTheWindowFeeds) {
    HeadlessProgram program;
    program.q().capacite = EntryValue::text("9");
    program.q().XL = EntryValue::text("5");
    program.click(FormId::Form4, "Command3");
    for (const EntryValue* fed :
         {&program.q().capacite, &program.q().frequence, &program.q().inductance}) {
        EXPECT_EQ(*fed, EntryValue::emptyText());
    }
    EXPECT_EQ(program.q().XL, EntryValue::text("5"));
    EXPECT_TRUE(program.toolkit.isVisible(program.form(FormId::Form4)));
}

TEST(Frame, EffacerOnFilledBoxBlanksItsQuantity) {
    HeadlessProgram program;
    program.type(FormId::Form4, "Text2", "7000");
    program.type(FormId::Form4, "Text1", "5");
    program.click(FormId::Form4, "Command3");
    EXPECT_EQ(program.q().frequence, EntryValue::emptyText());
    EXPECT_EQ(program.q().capacite, EntryValue::emptyText());
    EXPECT_EQ(program.box(FormId::Form4, "Text2"), "");
    EXPECT_EQ(program.box(FormId::Form4, "Text4"),
              "               Entrez deux valeurs pour obtenir la troisième");
}

TEST(Frame, MenuShowsMainWindowHidesItselfAndKeepsTheWindow) {
    HeadlessProgram program;
    Form& form4 = program.form(FormId::Form4);
    program.type(FormId::Form4, "Text3", "10");
    program.toolkit.click(form4, "Command2");
    EXPECT_FALSE(program.toolkit.isVisible(form4));
    EXPECT_TRUE(program.toolkit.isVisible(*program.application.find(FormId::Form1)));
    EXPECT_EQ(program.q().frequence, EntryValue::emptyText());
    EXPECT_EQ(program.q().inductance, EntryValue::emptyText());
    EXPECT_EQ(&program.form(FormId::Form4), &form4);
    EXPECT_EQ(program.box(FormId::Form4, "Text3"), "");
}

} // namespace

namespace {

struct TypedWithUnits {
    const char* name;
    FormId form;
    std::vector<std::pair<const char*, std::string>> withUnits;
    std::vector<std::pair<const char*, std::string>> inBoxUnits;
    const char* resultBox;
    const char* expected;
};

// Published values typed with units give what they give typed in the boxes' own units: 7.1 MHz
// and 10 µH resonate with 50.25 pF, 4.7 nF and 1 mH at 73.41 kHz, 0.1 µH is 18.85 ohms at
// 30 MHz and 1 nF 318.31 ohms at 500 kHz. The coil rows hold the program's own coefficients
// (Wheeler's inch formula gives 1.02 µH for the last one).
const TypedWithUnits kTypedWithUnits[] = {
    {"forty_metres_band_capacitance",
     FormId::Form4,
     {{"Text2", "7,1 MHz"}, {"Text3", "10 µH"}},
     {{"Text2", "7100"}, {"Text3", "10"}},
     "Text1",
     "50.25"},
    {"nanofarad_and_millihenry",
     FormId::Form4,
     {{"Text1", "4,7 nF"}, {"Text3", "1 mH"}},
     {{"Text1", "4700"}, {"Text3", "1000"}},
     "Text2",
     "73.413"},
    {"tenth_of_a_uH_at_30_MHz",
     FormId::Form2,
     {{"Text1", "30 MHz"}, {"Text2", "100 nH"}},
     {{"Text1", "30000"}, {"Text2", "0.1"}},
     "Text3",
     "18.85"},
    {"nanofarad_at_500_kHz",
     FormId::Form3,
     {{"Text1", "500000 Hz"}, {"Text2", "1nF"}},
     {{"Text1", "500"}, {"Text2", "1000"}},
     "Text3",
     "318.31"},
    {"coil_of_ten_turns",
     FormId::Form5,
     {{"Text1", "1,15µH"}, {"Text2", "18 mm"}, {"Text3", "0,02 m"}},
     {{"Text1", "1.15"}, {"Text2", "1.8"}, {"Text3", "2"}},
     "Text5",
     "10"},
    {"coil_in_inches",
     FormId::Form6,
     {{"Text1", "1 in"}, {"Text2", "2\""}, {"Text3", "10"}},
     {{"Text1", "2.54"}, {"Text2", "5.08"}, {"Text3", "10"}},
     "Text5",
     "1.04"},
};

class UnitsTest : public testing::TestWithParam<TypedWithUnits> {};

std::string resultOf(FormId form, const std::vector<std::pair<const char*, std::string>>& entries,
                     const char* resultBox) {
    HeadlessProgram program;
    for (const auto& [box, text] : entries) {
        program.type(form, box, text);
    }
    program.click(form, "Command1");
    return program.box(form, resultBox);
}

TEST_P(UnitsTest, GiveTheResultOfTheBoxsOwnUnit) {
    const TypedWithUnits& row = GetParam();
    EXPECT_EQ(resultOf(row.form, row.withUnits, row.resultBox), row.expected);
    EXPECT_EQ(resultOf(row.form, row.inBoxUnits, row.resultBox), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Windows, UnitsTest, testing::ValuesIn(kTypedWithUnits),
                         [](const auto& test) { return std::string(test.param.name); });

} // namespace

namespace {

struct Refusal {
    const char* name;
    FormId form;
    std::vector<std::pair<const char*, std::string>> typed;
    const char* message;
    const char* focused;
};

// A text a calculation cannot read whole is named, as typed without its outer blanks and cut
// after 40 characters, with what its box holds; the first such box in tab order is the one.
const Refusal kRefusals[] = {
    {"code_letter_of_another_box",
     FormId::Form4,
     {{"Text1", "100"}, {"Text3", "4k7"}},
     "Valeur non comprise : « 4k7 » (inductance)",
     "Text3"},
    {"first_in_tab_order_not_first_read",
     FormId::Form4,
     {{"Text3", "1x"}, {"Text2", "2y"}},
     "Valeur non comprise : « 2y » (fréquence)",
     "Text2"},
    {"outer_blanks_dropped_inner_kept",
     FormId::Form2,
     {{"Text1", "  7,1 MHz  "}, {"Text2", " 10 p F\t"}},
     "Valeur non comprise : « 10 p F » (inductance)",
     "Text2"},
    {"cut_after_forty_characters",
     FormId::Form5,
     {{"Text1", "10"}, {"Text2", "2"}, {"Text3", std::string(39, '1') + "éèx"}},
     "Valeur non comprise : « 111111111111111111111111111111111111111é… » (longueur)",
     "Text3"},
    {"forty_characters_are_not_cut",
     FormId::Form6,
     {{"Text1", "2"}, {"Text2", "3"}, {"Text3", std::string(39, '1') + "x"}},
     "Valeur non comprise : « 111111111111111111111111111111111111111x » (nombre de spires)",
     "Text3"},
    {"diameter",
     FormId::Form6,
     {{"Text1", "2m5"}, {"Text2", "3"}, {"Text3", "10"}},
     "Valeur non comprise : « 2m5 » (diamètre)",
     "Text1"},
    {"capacitance_with_a_frequency_unit",
     FormId::Form3,
     {{"Text1", "7100"}, {"Text2", "7,1 MHz"}},
     "Valeur non comprise : « 7,1 MHz » (capacité)",
     "Text2"},
};

class RefusalTest : public testing::TestWithParam<Refusal> {};

TEST_P(RefusalTest, NamesTheBoxAndKeepsTheWindow) {
    const Refusal& row = GetParam();
    HeadlessProgram program;
    for (const auto& [box, text] : row.typed) {
        program.type(row.form, box, text);
    }
    program.click(row.form, "Command1");
    ASSERT_EQ(program.toolkit.messages().size(), 1u);
    EXPECT_EQ(program.toolkit.messages().back(), row.message);
    EXPECT_EQ(program.toolkit.focusedControl(program.form(row.form)), row.focused);
    for (const auto& [box, text] : row.typed) {
        EXPECT_EQ(program.box(row.form, box), text) << box;
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, RefusalTest, testing::ValuesIn(kRefusals),
                         [](const auto& test) { return std::string(test.param.name); });

struct ReadLine {
    const char* name;
    FormId form;
    std::vector<std::pair<const char*, std::string>> typed;
    const char* firstLine; // empty: nothing read through a unit or a code
};

// After a "Calcul", the design help's first line says what was read through a unit word that
// changes the number or a component code, box by box in tab order.
const ReadLine kReadLines[] = {
    {"code_and_unit_in_tab_order",
     FormId::Form4,
     {{"Text2", "7,1 MHz"}, {"Text1", "4n7"}},
     "Lu : 4n7 = 4700 pF ; 7,1 MHz = 7100 kHz"},
    {"own_unit_is_not_shown", FormId::Form4, {{"Text1", "100 pF"}, {"Text3", "10 µH"}}, ""},
    {"code_in_the_own_unit_is_shown",
     FormId::Form2,
     {{"Text1", "7100"}, {"Text2", "4R7"}},
     "Lu : 4R7 = 4.7 µH"},
    {"three_entries",
     FormId::Form5,
     {{"Text1", "10000 nH"}, {"Text2", "25 mm"}, {"Text3", "0,005 m"}},
     "Lu : 10000 nH = 10 µH ; 25 mm = 2.5 cm ; 0,005 m = 0.5 cm"},
    {"hex_is_not_shown", FormId::Form3, {{"Text1", "&H1000"}, {"Text2", "100"}}, ""},
};

class ReadLineTest : public testing::TestWithParam<ReadLine> {};

TEST_P(ReadLineTest, OpensTheDesignHelp) {
    const ReadLine& row = GetParam();
    HeadlessProgram program;
    for (const auto& [box, text] : row.typed) {
        program.type(row.form, box, text);
    }
    program.click(row.form, "Command1");
    ASSERT_TRUE(program.toolkit.messages().empty());
    const std::string help = program.toolkit.readText(program.form(row.form), "Label11");
    const std::string firstLine = help.substr(0, help.find('\n'));
    if (*row.firstLine == '\0') {
        EXPECT_NE(firstLine.rfind("Lu", 0), 0u) << firstLine;
    } else {
        EXPECT_EQ(firstLine, row.firstLine);
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, ReadLineTest, testing::ValuesIn(kReadLines),
                         [](const auto& test) { return std::string(test.param.name); });

// The address of a calculation, as the page would never write it: ignored as a whole, the program
// stays on its main window, with no message.
struct BadFragment {
    const char* name;
    std::string fragment;
};

const BadFragment kBadFragments[] = {
    {"unknown_calculator", "bobine?L=10&D=2&l=2"},
    {"unknown_box", "spires?L=10&D=2&l=2&x=3"},
    {"result_box", "spires?L=10&D=2&l=2&N=15"},
    {"box_named_twice", "spires?L=10&L=11&D=2&l=2"},
    {"percent_without_two_digits", "spires?L=10%2&D=2&l=2"},
    {"longer_than_2000", "spires?L=10&D=2&l=" + std::string(2000, '2')},
    {"nul", "spires?L=1%000&D=2&l=2"},
    {"c1_control", "spires?L=10%C2%85&D=2&l=2"},
    {"not_utf8", "spires?L=10%FF&D=2&l=2"},
    {"fewer_than_the_turns_need", "spires?L=10&D=2"},
    {"one_of_three_for_the_resonance", "resonance?f=7100"},
    {"three_of_three_for_the_resonance", "resonance?C=100&f=7100&L=4u7"},
    {"empty_text", "spires?L=&D=2&l=2"},
    {"no_texts", "tore"},
};

class BadFragmentTest : public testing::TestWithParam<BadFragment> {};

TEST_P(BadFragmentTest, StartsOnTheMainWindow) {
    const BadFragment& row = GetParam();
    EXPECT_FALSE(readCalculationFragment(row.fragment).has_value());
    HeadlessProgram program;
    program.application.openAddress("https://example.org/formules/?lang=de#" + row.fragment);
    for (const WindowRow& window : windows()) {
        EXPECT_EQ(program.application.find(window.id) != nullptr, window.id == FormId::Form1);
    }
    EXPECT_TRUE(program.toolkit.messages().empty());
    EXPECT_EQ(program.application.address(), "");
}

INSTANTIATE_TEST_SUITE_P(Addresses, BadFragmentTest, testing::ValuesIn(kBadFragments),
                         [](const auto& test) { return std::string(test.param.name); });

} // namespace
