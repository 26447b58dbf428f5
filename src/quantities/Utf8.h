#pragma once

#include <cstddef>

namespace formules {

// The UTF-8 of the boxes' texts, read a character at a time.

// A byte that continues a character begun before it.
inline bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0u) == 0x80u;
}

// How many bytes the character that starts with this byte takes.
inline std::size_t characterLength(char first) {
    const auto byte = static_cast<unsigned char>(first);
    return byte < 0xC0 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
}

} // namespace formules
