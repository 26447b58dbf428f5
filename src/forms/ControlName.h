#pragma once

#include <cstddef>
#include <string_view>

namespace formules {

// The names a window's handlers give its controls. Each window declares them as constants
// beside its description, so that the compiler reads every name a handler uses, and a text box
// cannot be passed where a button is meant; a test checks each constant against the window's
// description.
enum class NameKind { Box, Button, MenuEntry, Label };

template <NameKind Kind> struct ControlName {
    std::string_view name;

    constexpr operator std::string_view() const { return name; }
};

using BoxName = ControlName<NameKind::Box>;
using ButtonName = ControlName<NameKind::Button>;
using MenuEntryName = ControlName<NameKind::MenuEntry>;
using LabelName = ControlName<NameKind::Label>;

// Any control name with its kind, for the lists that tests walk.
struct NamedControl {
    std::string_view name;
    NameKind kind;

    template <NameKind Kind>
    constexpr NamedControl(ControlName<Kind> control) : name(control.name), kind(Kind) {}
};

// A window's list of named controls: a view of a constant array.
class NamedControls {
public:
    constexpr NamedControls() = default;
    template <std::size_t N>
    constexpr NamedControls(const NamedControl (&controls)[N]) : m_begin(controls), m_size(N) {}

    constexpr const NamedControl* begin() const { return m_begin; }
    constexpr const NamedControl* end() const { return m_begin + m_size; }

private:
    const NamedControl* m_begin = nullptr;
    std::size_t m_size = 0;
};

} // namespace formules
