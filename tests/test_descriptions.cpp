#include "HeadlessProgram.h"
#include "shell/Windows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace formules {

// A registry row as a failing test names it.
void PrintTo(const WindowRow& row, std::ostream* out) {
    *out << row.name;
}

} // namespace formules

using namespace formules;

namespace {

// A control's rectangle in the window's client area, its panel's position added.
FormRect inClientArea(const FormDescription& d, const ControlDescription& control) {
    FormRect rect = control.rect;
    if (const ControlDescription* panel = d.control(control.parent)) {
        rect.left += panel->rect.left;
        rect.top += panel->rect.top;
    }
    return rect;
}

bool overlap(const FormRect& a, const FormRect& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

// Every window of the registry, walked as data.
class DescriptionTest : public testing::TestWithParam<WindowRow> {
protected:
    const FormDescription& description() { return m_program.form(GetParam().id).description(); }

private:
    HeadlessProgram m_program;
};

TEST_P(DescriptionTest, NamesAndTabIndexesAreUnique) {
    const FormDescription& d = description();
    EXPECT_EQ(d.id, GetParam().id);
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
    const FormDescription& d = description();
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

// A button or box drawn over another one hides it, and the mouse reaches only the top one.
TEST_P(DescriptionTest, NoTwoFocusableControlsOverlap) {
    const FormDescription& d = description();
    std::vector<const ControlDescription*> focusable;
    for (const ControlDescription& control : d.controls) {
        if (control.kind == ControlKind::Button || control.kind == ControlKind::TextBox) {
            focusable.push_back(&control);
        }
    }
    for (std::size_t i = 0; i < focusable.size(); ++i) {
        for (std::size_t j = i + 1; j < focusable.size(); ++j) {
            EXPECT_FALSE(overlap(inClientArea(d, *focusable[i]), inClientArea(d, *focusable[j])))
                << focusable[i]->name << " and " << focusable[j]->name;
        }
    }
}

// Each name the window's handlers use stands in its description, as a control of its kind.
TEST_P(DescriptionTest, EveryNameTheHandlersUseIsAControlOfItsKind) {
    const FormDescription& d = description();
    for (const NamedControl& named : GetParam().controls) {
        const std::string name(named.name);
        if (named.kind == NameKind::MenuEntry) {
            EXPECT_TRUE(std::any_of(d.menu.begin(), d.menu.end(), [&](const auto& entry) {
                return entry.name == name;
            })) << name;
            continue;
        }
        const ControlDescription* control = d.control(name);
        ASSERT_NE(control, nullptr) << name;
        const ControlKind kind = named.kind == NameKind::Box     ? ControlKind::TextBox
                                 : named.kind == NameKind::Label ? ControlKind::Label
                                                                 : ControlKind::Button;
        EXPECT_EQ(control->kind, kind) << name;
    }
}

class CalculatorDescriptionTest : public DescriptionTest {};

TEST_P(CalculatorDescriptionTest, FrameUsesTheWindowsBoxes) {
    const FormDescription& d = description();
    const FrameConfiguration& frame = GetParam().frame();
    std::set<std::string> boxes;
    for (const DataBox& data : frame.dataBoxes) {
        const ControlDescription* box = d.control(data.box);
        ASSERT_NE(box, nullptr) << data.box.name;
        EXPECT_EQ(box->kind, ControlKind::TextBox) << data.box.name;
        EXPECT_TRUE(box->caption.empty()) << data.box.name << " must start empty";
        boxes.insert(std::string(data.box));
    }
    std::set<std::string> cleared;
    for (BoxName box : frame.clearOrder) {
        cleared.insert(std::string(box));
    }
    EXPECT_EQ(cleared, boxes) << "Menu and Effacer clear every data box, once";
    EXPECT_EQ(frame.clearOrder.size(), frame.dataBoxes.size());
    EXPECT_EQ(d.control("Command1")->caption, "Calcul");
    EXPECT_EQ(d.control("Command2")->caption, "Menu");
    EXPECT_EQ(d.control("Command3")->caption, "Effacer");
}

std::vector<WindowRow> calculators() {
    std::vector<WindowRow> rows;
    std::copy_if(windows().begin(), windows().end(), std::back_inserter(rows),
                 [](const WindowRow& row) { return row.isCalculator(); });
    return rows;
}

auto rowName = [](const auto& test) { return std::string(test.param.name); };
INSTANTIATE_TEST_SUITE_P(Windows, DescriptionTest, testing::ValuesIn(windows()), rowName);
INSTANTIATE_TEST_SUITE_P(Windows, CalculatorDescriptionTest, testing::ValuesIn(calculators()),
                         rowName);

} // namespace
