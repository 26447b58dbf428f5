#include "NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>
#include <system_error>

namespace formules {

namespace {

constexpr int kSignificantDigits = 15;
constexpr int kLargestPlainExponent = kSignificantDigits - 1;
constexpr int kSmallestPlainExponent = -4;

// A finite non-zero magnitude rounded to 15 significant digits: the digits without trailing
// zeros, and the decimal exponent of the first one.
struct RoundedDigits {
    std::string digits;
    int exponent = 0;
};

// Rounds to nearest, except near the largest double, where rounding up would give a text that
// no longer reads back as a double (1.79769313486232E+308); there the digits are cut instead.
RoundedDigits roundToSignificantDigits(double magnitude) {
    char buffer[32];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                std::chars_format::scientific, kSignificantDigits - 1);
    double readBack = 0.0;
    if (std::from_chars(buffer, result.ptr, readBack).ec == std::errc::result_out_of_range) {
        result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                               std::chars_format::scientific, kSignificantDigits + 1);
    }
    const std::string_view scientific(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const auto exponentMark = scientific.find('e');
    RoundedDigits rounded;
    for (char c : scientific.substr(0, exponentMark)) {
        if (c != '.') {
            rounded.digits += c;
        }
    }
    rounded.digits.resize(std::min<std::size_t>(rounded.digits.size(), kSignificantDigits));
    rounded.digits.erase(rounded.digits.find_last_not_of('0') + 1);
    std::string_view exponent = scientific.substr(exponentMark + 1);
    const bool negative = exponent[0] == '-';
    exponent.remove_prefix(1); // to_chars always writes the exponent's sign
    std::from_chars(exponent.data(), exponent.data() + exponent.size(), rounded.exponent);
    if (negative) {
        rounded.exponent = -rounded.exponent;
    }
    return rounded;
}

std::string plainNotation(const RoundedDigits& rounded, std::string_view separator) {
    const std::string& digits = rounded.digits;
    if (rounded.exponent < 0) {
        return "0" + std::string(separator) + std::string(-rounded.exponent - 1, '0') + digits;
    }
    const auto wholeLength = static_cast<std::size_t>(rounded.exponent) + 1;
    if (digits.size() <= wholeLength) {
        return digits + std::string(wholeLength - digits.size(), '0');
    }
    return digits.substr(0, wholeLength) + std::string(separator) + digits.substr(wholeLength);
}

std::string exponentNotation(const RoundedDigits& rounded, std::string_view separator) {
    std::string text = rounded.digits.substr(0, 1);
    if (rounded.digits.size() > 1) {
        text += separator;
        text += rounded.digits.substr(1);
    }
    const int exponent = std::abs(rounded.exponent);
    text += rounded.exponent < 0 ? "E-" : "E+";
    if (exponent < 10) {
        text += '0';
    }
    text += std::to_string(exponent);
    return text;
}

} // namespace

std::string textOfNumber(double value, std::string_view decimalSeparator) {
    if (!std::isfinite(value)) {
        return std::string();
    }
    if (value == 0.0) {
        return "0";
    }
    const RoundedDigits rounded = roundToSignificantDigits(std::fabs(value));
    const bool plain =
        rounded.exponent >= kSmallestPlainExponent && rounded.exponent <= kLargestPlainExponent;
    const std::string magnitude = plain ? plainNotation(rounded, decimalSeparator)
                                        : exponentNotation(rounded, decimalSeparator);
    return value < 0 ? "-" + magnitude : magnitude;
}

} // namespace formules
