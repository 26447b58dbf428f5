#pragma once

#include <array>
#include <optional>
#include <string_view>

// The program's eight windows, one instance each.
enum class FormId { Form1, Form2, Form3, Form4, Form5, Form6, Form7, Form8 };

inline constexpr std::array<FormId, 8> kAllForms{FormId::Form1, FormId::Form2, FormId::Form3,
                                                 FormId::Form4, FormId::Form5, FormId::Form6,
                                                 FormId::Form7, FormId::Form8};

inline constexpr std::array<std::string_view, 8> kFormNames{"Form1", "Form2", "Form3", "Form4",
                                                            "Form5", "Form6", "Form7", "Form8"};

inline std::size_t indexOf(FormId id) {
    return static_cast<std::size_t>(id);
}
inline std::string_view nameOf(FormId id) {
    return kFormNames[indexOf(id)];
}

inline std::optional<FormId> formNamed(std::string_view name) {
    for (FormId id : kAllForms) {
        if (nameOf(id) == name) {
            return id;
        }
    }
    return std::nullopt;
}
