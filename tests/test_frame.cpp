#include "HeadlessProgram.h"

#include <gtest/gtest.h>

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
