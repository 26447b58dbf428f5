#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace formules {

// The tagged value held by one shared quantity: Empty, a 16-bit Integer, a Double or a Text.
// It only stores; the value rules that read it (blank test, comparisons with zero, operands
// of the arithmetic) are free functions in ValueRules.h.
class EntryValue {
public:
    enum class Kind { Empty, Integer, Double, Text };

    EntryValue() = default;
    static EntryValue integer(std::int16_t value) { return EntryValue(value); }
    static EntryValue number(double value) { return EntryValue(value); }
    static EntryValue text(std::string value) { return EntryValue(std::move(value)); }
    static EntryValue emptyText() { return text(std::string()); }

    Kind kind() const { return static_cast<Kind>(m_value.index()); }
    std::int16_t asInteger() const { return std::get<std::int16_t>(m_value); }
    double asDouble() const { return std::get<double>(m_value); }
    const std::string& asText() const { return std::get<std::string>(m_value); }

    bool operator==(const EntryValue& other) const { return m_value == other.m_value; }
    bool operator!=(const EntryValue& other) const { return !(*this == other); }

private:
    template <typename T> explicit EntryValue(T value) : m_value(std::move(value)) {}

    // The alternatives are in the order of Kind, so that index() is the kind.
    std::variant<std::monostate, std::int16_t, double, std::string> m_value;
};

} // namespace formules
