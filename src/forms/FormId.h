#pragma once

#include <cstddef>

namespace formules {

// The program's windows, one instance each. The registry of windows (shell/Windows.h) gives
// each its row, in this order; Count is not a window but the number of them.
enum class FormId { Form1, Form2, Form3, Form4, Form5, Form6, Form7, Form8, Form9, Count };

inline constexpr std::size_t kFormCount = static_cast<std::size_t>(FormId::Count);

constexpr std::size_t indexOf(FormId id) {
    return static_cast<std::size_t>(id);
}

} // namespace formules
