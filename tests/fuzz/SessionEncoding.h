#pragma once

// The byte encoding of a user session that the session fuzzer decodes, shared with the tool
// that turns scenario scripts into seeds. Each event is an operation byte and its operands:
//   Show  form
//   Click form control      control: an index into the window's clickable controls
//   Type  form box length bytes...
//   Erase form box count
//   Paste form box length bytes...
//   Close form
// A form byte is taken modulo the number of windows, a control or box index modulo the
// window's count.

#include "forms/FormDescription.h"

#include <cstdint>
#include <string>
#include <vector>

namespace formules {

enum class SessionOp : std::uint8_t { Show, Click, Type, Erase, Paste, Close, Count };

// Buttons in the order of the description, then menu entries.
inline std::vector<std::string> clickablesOf(const FormDescription& description) {
    std::vector<std::string> names;
    for (const ControlDescription& control : description.controls) {
        if (control.kind == ControlKind::Button) {
            names.push_back(control.name);
        }
    }
    for (const MenuEntryDescription& entry : description.menu) {
        names.push_back(entry.name);
    }
    return names;
}

inline std::vector<std::string> textBoxesOf(const FormDescription& description) {
    std::vector<std::string> names;
    for (const ControlDescription& control : description.controls) {
        if (control.kind == ControlKind::TextBox) {
            names.push_back(control.name);
        }
    }
    return names;
}

} // namespace formules
