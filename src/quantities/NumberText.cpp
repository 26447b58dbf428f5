#include "NumberText.h"

#include "DecimalText.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string_view>

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
    std::string scientific = scientificText(magnitude, kSignificantDigits - 1);
    if (readDecimal(scientific).outOfRange) {
        scientific = scientificText(magnitude, kSignificantDigits + 1);
    }
    const auto exponentMark = scientific.find('e');
    RoundedDigits rounded;
    for (char c : std::string_view(scientific).substr(0, exponentMark)) {
        if (c != '.') {
            rounded.digits += c;
        }
    }
    rounded.digits.resize(std::min<std::size_t>(rounded.digits.size(), kSignificantDigits));
    rounded.digits.erase(rounded.digits.find_last_not_of('0') + 1);
    rounded.exponent = std::atoi(scientific.c_str() + exponentMark + 1);
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
