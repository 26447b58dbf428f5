#include "HeadlessProgram.h"
#include "calculators/CalculatorFrame.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

// Every window the program can create, walked as data.
class DescriptionTest : public testing::TestWithParam<FormId> {};

TEST_P(DescriptionTest, NamesAndTabIndexesAreUnique) {
    HeadlessProgram program;
    const FormDescription& d = program.form(GetParam()).description();
    EXPECT_EQ(d.id, GetParam());
    std::set<std::string> names;
    std::set<int> tabIndexes;
    for (const ControlDescription& control : d.controls) {
        EXPECT_TRUE(names.insert(control.name).second) << "duplicate " << control.name;
        if (control.tabIndex >= 0) {
            EXPECT_TRUE(tabIndexes.insert(control.tabIndex).second)
                << "duplicate tab index " << control.tabIndex;
        }
    }
    for (const MenuEntryDescription& entry : d.menu) {
        EXPECT_TRUE(names.insert(entry.name).second) << "duplicate " << entry.name;
    }
}

TEST_P(DescriptionTest, EveryControlLiesInsideItsWindowOrPanel) {
    HeadlessProgram program;
    const FormDescription& d = program.form(GetParam()).description();
    for (const ControlDescription& control : d.controls) {
        FormRect container{0, 0, d.clientArea.width, d.clientArea.height};
        if (!control.parent.empty()) {
            const ControlDescription* panel = d.control(control.parent);
            ASSERT_NE(panel, nullptr) << control.name << " in missing " << control.parent;
            EXPECT_EQ(panel->kind, ControlKind::PictureBox) << control.parent;
            container = {0, 0, panel->rect.width, panel->rect.height};
        }
        EXPECT_GE(control.rect.left, 0) << control.name;
        EXPECT_GE(control.rect.top, 0) << control.name;
        EXPECT_LE(control.rect.left + control.rect.width, container.width) << control.name;
        EXPECT_LE(control.rect.top + control.rect.height, container.height) << control.name;
    }
}

class CalculatorDescriptionTest : public testing::TestWithParam<FormId> {};

TEST_P(CalculatorDescriptionTest, FrameUsesTheWindowsBoxes) {
    HeadlessProgram program;
    const FormDescription& d = program.form(GetParam()).description();
    const FrameConfiguration& frame = frameConfiguration(GetParam());
    EXPECT_EQ(frame.form, GetParam());
    for (const DataBox& data : frame.dataBoxes) {
        const ControlDescription* box = d.control(data.box);
        ASSERT_NE(box, nullptr) << data.box;
        EXPECT_EQ(box->kind, ControlKind::TextBox) << data.box;
        EXPECT_TRUE(box->caption.empty()) << data.box << " must start empty";
    }
    EXPECT_EQ(frame.clearOrder.size(), frame.dataBoxes.size());
    for (const char* button : {"Command1", "Command2", "Command3"}) {
        const ControlDescription* control = d.control(button);
        ASSERT_NE(control, nullptr) << button;
        EXPECT_EQ(control->kind, ControlKind::Button);
    }
    EXPECT_EQ(d.control("Command1")->caption, "Calcul");
    EXPECT_EQ(d.control("Command2")->caption, "Menu");
    EXPECT_EQ(d.control("Command3")->caption, "Effacer");
}

auto formName = [](const auto& info) { return std::string(nameOf(info.param)); };
INSTANTIATE_TEST_SUITE_P(Windows, DescriptionTest, testing::ValuesIn(kAllForms), formName);
INSTANTIATE_TEST_SUITE_P(Windows, CalculatorDescriptionTest,
                         testing::Values(FormId::Form2, FormId::Form3, FormId::Form4, FormId::Form5,
                                         FormId::Form6),
                         formName);

} // namespace
