#include "Windows.h"

#include "Form1.h"
#include "InformationWindows.h"
#include "calculators/Form2.h"
#include "calculators/Form3.h"
#include "calculators/Form4.h"
#include "calculators/Form5.h"
#include "calculators/Form6.h"

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

constexpr std::array<WindowRow, kFormCount> kWindows{{
    {FormId::Form1, "Form1", create<Form1>, Form1Controls::kAll, nullptr},
    {FormId::Form2, "Form2", create<Form2>, ReactanceControls::kAll, &Form2::frame},
    {FormId::Form3, "Form3", create<Form3>, ReactanceControls::kAll, &Form3::frame},
    {FormId::Form4, "Form4", create<Form4>, Form4Controls::kAll, &Form4::frame},
    {FormId::Form5, "Form5", create<Form5>, CoilControls::kAll, &Form5::frame},
    {FormId::Form6, "Form6", create<Form6>, CoilControls::kAll, &Form6::frame},
    {FormId::Form7, "Form7", createForm7, InformationControls::kAll, nullptr},
    {FormId::Form8, "Form8", createForm8, InformationControls::kAll, nullptr},
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
