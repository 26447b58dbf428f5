#include "NumericValue.h"

#include "DecimalText.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace formules {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isHexDigit(char c) {
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
bool isOctalDigit(char c) {
    return c >= '0' && c <= '7';
}
bool isExponentLetter(char c) {
    return c == 'e' || c == 'E' || c == 'd' || c == 'D';
}
bool isSeparator(char c) {
    return c == '.' || c == ',';
}

} // namespace

std::string_view withoutBlanks(std::string_view text, std::string& storage) {
    if (std::none_of(text.begin(), text.end(), isIgnoredBlank)) {
        return text;
    }
    storage.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(storage),
                 [](char c) { return !isIgnoredBlank(c); });
    return storage;
}

namespace {

std::string_view leadingRun(std::string_view text, bool (*accepts)(char)) {
    const auto end = std::find_if_not(text.begin(), text.end(), accepts);
    return text.substr(0, static_cast<std::size_t>(end - text.begin()));
}

// Hexadecimal digits as an unsigned whole number, rounded correctly when it needs more than
// 53 bits; empty when it exceeds the largest double.
std::optional<double> fromHexDigits(std::string_view digits) {
    if (digits.empty()) {
        return 0.0;
    }
    const DecimalReading read = readHexadecimal(digits);
    if (read.outOfRange) {
        return std::nullopt;
    }
    return read.value;
}

// Octal digits are regrouped into hexadecimal ones (three bits each), so that one correctly
// rounding conversion serves both bases.
std::optional<double> fromOctalDigits(std::string_view digits) {
    static constexpr char kHexDigits[] = "0123456789abcdef";
    std::string hex;
    unsigned bits = 0;
    int bitCount = 0;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        bits |= static_cast<unsigned>(*it - '0') << bitCount;
        bitCount += 3;
        while (bitCount >= 4) {
            hex.push_back(kHexDigits[bits & 0xFu]);
            bits >>= 4;
            bitCount -= 4;
        }
    }
    if (bitCount > 0) {
        hex.push_back(kHexDigits[bits]);
    }
    std::reverse(hex.begin(), hex.end());
    return fromHexDigits(hex);
}

// The parts of a decimal number as read from the start of a text, and how many characters of
// the text they took.
struct DecimalParts {
    std::size_t length = 0;
    bool negative = false;
    std::string_view wholeDigits;
    std::string_view fractionDigits;
    bool exponentNegative = false;
    std::string_view exponentDigits;
};

bool hasDigits(const DecimalParts& parts) {
    return !parts.wholeDigits.empty() || !parts.fractionDigits.empty();
}

DecimalParts readDecimalParts(const std::string_view text) {
    DecimalParts parts;
    std::string_view rest = text;
    if (!rest.empty() && (rest[0] == '+' || rest[0] == '-')) {
        parts.negative = rest[0] == '-';
        rest.remove_prefix(1);
    }
    parts.wholeDigits = leadingRun(rest, isDigit);
    rest.remove_prefix(parts.wholeDigits.size());
    if (!rest.empty() && isSeparator(rest[0])) {
        parts.fractionDigits = leadingRun(rest.substr(1), isDigit);
        rest.remove_prefix(1 + parts.fractionDigits.size());
    }
    if (!rest.empty() && isExponentLetter(rest[0])) {
        std::string_view exponent = rest.substr(1);
        bool negative = false;
        if (!exponent.empty() && (exponent[0] == '+' || exponent[0] == '-')) {
            negative = exponent[0] == '-';
            exponent.remove_prefix(1);
        }
        // An exponent letter without digits after it is not part of the number.
        parts.exponentDigits = leadingRun(exponent, isDigit);
        parts.exponentNegative = negative && !parts.exponentDigits.empty();
        if (!parts.exponentDigits.empty()) {
            rest = exponent.substr(parts.exponentDigits.size());
        }
    }
    parts.length = text.size() - rest.size();
    return parts;
}

// Decides whether a number that the conversion found out of range is too large or too small:
// its decimal order (the power of ten of its leading digit, plus one) is positive when it is
// too large. The exponent saturates, since a clamped billion is already far out of range.
bool isTooLarge(const DecimalParts& parts) {
    const std::string digits = std::string(parts.wholeDigits) + std::string(parts.fractionDigits);
    const auto firstNonZero = digits.find_first_not_of('0');
    if (firstNonZero == std::string::npos) {
        return false;
    }
    std::int64_t exponent = 0;
    for (char c : parts.exponentDigits) {
        exponent = std::min<std::int64_t>(exponent * 10 + (c - '0'), 1'000'000'000);
    }
    if (parts.exponentNegative) {
        exponent = -exponent;
    }
    const auto order = static_cast<std::int64_t>(parts.wholeDigits.size()) -
                       static_cast<std::int64_t>(firstNonZero) + exponent;
    return order > 0;
}

std::optional<double> fromDecimalParts(const DecimalParts& parts) {
    if (!hasDigits(parts)) {
        return 0.0;
    }
    std::string normalised;
    if (parts.negative) {
        normalised += '-';
    }
    // Leading zeros change nothing; dropping them keeps the converted text short.
    const std::string_view whole = parts.wholeDigits.substr(
        std::min(parts.wholeDigits.find_first_not_of('0'), parts.wholeDigits.size()));
    normalised += whole.empty() ? std::string_view("0") : whole;
    if (!parts.fractionDigits.empty()) {
        normalised += '.';
        normalised += parts.fractionDigits;
    }
    if (!parts.exponentDigits.empty()) {
        normalised += parts.exponentNegative ? "e-" : "e";
        normalised += parts.exponentDigits;
    }
    const DecimalReading read = readDecimal(normalised);
    if (read.outOfRange) {
        if (isTooLarge(parts)) {
            return std::nullopt;
        }
        return 0.0;
    }
    return read.value;
}

bool startsWithPrefix(std::string_view text, char letter) {
    return text.size() >= 2 && text[0] == '&' && (text[1] == letter || text[1] == letter + 32);
}

} // namespace

std::optional<double> numericValue(std::string_view text) {
    std::string storage;
    const std::string_view rest = withoutBlanks(text, storage);
    if (startsWithPrefix(rest, 'H')) {
        return fromHexDigits(leadingRun(rest.substr(2), isHexDigit));
    }
    if (startsWithPrefix(rest, 'O')) {
        return fromOctalDigits(leadingRun(rest.substr(2), isOctalDigit));
    }
    return fromDecimalParts(readDecimalParts(rest));
}

WholeReading wholeDecimal(std::string_view plain) {
    const DecimalParts parts = readDecimalParts(plain);
    if (!hasDigits(parts) || parts.length != plain.size()) {
        return {};
    }
    return {true, fromDecimalParts(parts)};
}

WholeReading wholePrefixed(std::string_view plain) {
    const bool hex = startsWithPrefix(plain, 'H');
    if (!hex && !startsWithPrefix(plain, 'O')) {
        return {};
    }
    const std::string_view digits = plain.substr(2);
    const std::string_view run = leadingRun(digits, hex ? isHexDigit : isOctalDigit);
    if (run.empty() || run.size() != digits.size()) {
        return {};
    }
    return {true, hex ? fromHexDigits(run) : fromOctalDigits(run)};
}

} // namespace formules
