#pragma once

#include "calculators/CalculatorDescription.h"
#include "forms/ControlName.h"
#include "forms/Form.h"
#include "forms/FormContext.h"
#include "forms/FormId.h"

#include <array>
#include <memory>
#include <optional>
#include <string_view>

namespace formules {

// A text a user types into a box.
struct TypedText {
    std::string_view box;
    std::string_view text;
};

// A calculation a user makes in a calculator: the texts typed into its boxes, in tab order, then
// "Calcul", which writes its result into the result box. Texts that read alike in every language
// and locale ("4,7", "7,1 MHz", "4u7").
struct Example {
    std::array<TypedText, 4> typed; // the unused ones have no box
    std::string_view result;
};

// One row per window of the program: its name, how it is created, the controls its handlers
// name, the entry of the main window that shows it and, for a calculator, its frame and an
// example of its use. Every list of windows (the windows the application creates and the main
// window opens, their names, the windows the tests, the fuzzers and the screenshots walk) is
// derived from it.
struct WindowRow {
    FormId id;
    std::string_view name;
    std::unique_ptr<Form> (*create)(FormContext& context);
    NamedControls controls;
    // The button or menu entry of the main window that shows it; empty for the main window.
    std::string_view opener;
    // A calculator's data boxes, their quantities and its clearing order; nullptr for the
    // windows that are not calculators.
    const FrameConfiguration& (*frame)();
    // A calculator's example: a 40 m tank circuit and its coil.
    Example example;
    // A calculator's name in the address of a calculation (CalculationAddress.h), the same in
    // every language.
    std::string_view addressName;

    bool isCalculator() const { return frame != nullptr; }
};

// The rows, in the order of FormId.
const std::array<WindowRow, kFormCount>& windows();

const WindowRow& windowRow(FormId id);
std::string_view nameOf(FormId id);
std::optional<FormId> formNamed(std::string_view name);

} // namespace formules
