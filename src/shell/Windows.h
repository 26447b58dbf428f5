#pragma once

#include "calculators/CalculatorFrame.h"
#include "forms/ControlName.h"
#include "forms/Form.h"
#include "forms/FormContext.h"
#include "forms/FormId.h"

#include <array>
#include <memory>
#include <optional>
#include <string_view>

namespace formules {

// One row per window of the program: its name, how it is created, the controls its handlers
// name and, for a calculator, its frame. Every list of windows (the windows the application
// creates, their names, the windows the tests and the fuzzers walk) is derived from it.
struct WindowRow {
    FormId id;
    std::string_view name;
    std::unique_ptr<Form> (*create)(FormContext& context);
    NamedControls controls;
    // A calculator's data boxes, their quantities and its clearing order; nullptr for the
    // windows that are not calculators.
    const FrameConfiguration& (*frame)();

    bool isCalculator() const { return frame != nullptr; }
};

// The rows, in the order of FormId.
const std::array<WindowRow, kFormCount>& windows();

const WindowRow& windowRow(FormId id);
std::string_view nameOf(FormId id);
std::optional<FormId> formNamed(std::string_view name);

} // namespace formules
