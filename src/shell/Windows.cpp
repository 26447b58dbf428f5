#include "Windows.h"

#include "Form1.h"
#include "InformationWindows.h"
#include "calculators/Form2.h"
#include "calculators/Form3.h"
#include "calculators/Form4.h"
#include "calculators/Form5.h"
#include "calculators/Form6.h"
#include "calculators/Form9.h"

namespace formules {

namespace {

template <typename Window> std::unique_ptr<Form> create(FormContext& context) {
    return std::make_unique<Window>(context);
}

std::unique_ptr<Form> createForm7(FormContext& context) {
    return std::make_unique<InformationWindow>(context, form7Description());
}

std::unique_ptr<Form> createForm8(FormContext& context) {
    return std::make_unique<InformationWindow>(context, form8Description());
}

using F1 = Form1Controls;

// The examples: 4,7 uH tuned to 7,1 MHz by 106,91 pF, their reactances there, and that coil wound
// on a 2,54 cm former, 2 cm long, with its Q at 7,1 MHz, or on a T50-2 toroid; typed with units
// and codes, so that the design help says what it read, and is as long as a user makes it.
constexpr std::array<WindowRow, kFormCount> kWindows{{
    {FormId::Form1, "Form1", create<Form1>, F1::kAll, "", nullptr, {}, ""},
    {FormId::Form2,
     "Form2",
     create<Form2>,
     ReactanceControls::kAll,
     F1::Command2,
     &Form2::frame,
     {{{{"Text1", "7,1 MHz"}, {"Text2", "4u7"}}}, "Text3"},
     "xl"},
    {FormId::Form3,
     "Form3",
     create<Form3>,
     ReactanceControls::kAll,
     F1::Command3,
     &Form3::frame,
     {{{{"Text1", "7,1 MHz"}, {"Text2", "106p8"}}}, "Text3"},
     "xc"},
    {FormId::Form4,
     "Form4",
     create<Form4>,
     Form4Controls::kAll,
     F1::Command1,
     &Form4::frame,
     {{{{"Text2", "7,1 MHz"}, {"Text3", "4u7"}}}, "Text1"},
     "resonance"},
    {FormId::Form5,
     "Form5",
     create<Form5>,
     CoilControls::kAll,
     F1::Command4,
     &Form5::frame,
     {{{{"Text1", "4u7"}, {"Text2", "25,4 mm"}, {"Text3", "2"}, {"Text6", "7,1 MHz"}}}, "Text5"},
     "spires"},
    {FormId::Form6,
     "Form6",
     create<Form6>,
     CoilControls::kAll,
     F1::Command5,
     &Form6::frame,
     {{{{"Text1", "25,4 mm"}, {"Text2", "2"}, {"Text3", "17"}, {"Text6", "7100"}}}, "Text5"},
     "inductance"},
    {FormId::Form7, "Form7", createForm7, InformationControls::kAll, F1::Infos, nullptr, {}, ""},
    {FormId::Form8, "Form8", createForm8, InformationControls::kAll, F1::Formule, nullptr, {}, ""},
    {FormId::Form9,
     "Form9",
     create<Form9>,
     Form9Controls::kAll,
     F1::Command7,
     &Form9::frame,
     {{{{"Text1", "T50-2"}, {"Text2", "4u7"}}}, "Text3"},
     "tore"},
}};

// A window without a row, or a row out of place, does not build: a missing row is left as a
// row of Form1, out of place.
constexpr bool everyWindowHasItsRow() {
    for (std::size_t i = 0; i < kWindows.size(); ++i) {
        if (indexOf(kWindows[i].id) != i) {
            return false;
        }
    }
    return true;
}
static_assert(everyWindowHasItsRow(), "each FormId needs its row, in the order of FormId");

} // namespace

const std::array<WindowRow, kFormCount>& windows() {
    return kWindows;
}

const WindowRow& windowRow(FormId id) {
    return kWindows[indexOf(id)];
}

std::string_view nameOf(FormId id) {
    return windowRow(id).name;
}

std::optional<FormId> formNamed(std::string_view name) {
    for (const WindowRow& row : kWindows) {
        if (row.name == name) {
            return row.id;
        }
    }
    return std::nullopt;
}

} // namespace formules
