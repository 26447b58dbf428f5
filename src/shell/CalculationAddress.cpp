#include "CalculationAddress.h"

#include "Windows.h"
#include "quantities/Utf8.h"

#include <algorithm>
#include <cstdint>

namespace formules {

namespace {

bool isKeptAsItIs(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~' || c == ',';
}

std::string percentEncoded(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string encoded;
    for (char c : text) {
        if (isKeptAsItIs(c)) {
            encoded += c;
        } else {
            const auto byte = static_cast<unsigned char>(c);
            encoded += '%';
            encoded += kHex[byte >> 4];
            encoded += kHex[byte & 0xF];
        }
    }
    return encoded;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

std::optional<std::string> percentDecoded(std::string_view text) {
    std::string decoded;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            decoded += text[i];
            continue;
        }
        const int high = i + 2 < text.size() ? hexValue(text[i + 1]) : -1;
        const int low = i + 2 < text.size() ? hexValue(text[i + 2]) : -1;
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        decoded += char(high * 16 + low);
        i += 2;
    }
    return decoded;
}

// Valid UTF-8 (no overlong form, surrogate or code point beyond U+10FFFF) holding no control
// character: none of C0, DEL or C1.
bool isPrintableUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto first = static_cast<unsigned char>(text[i]);
        const std::size_t length = first < 0x80                    ? 1
                                   : first >= 0xC2 && first < 0xE0 ? 2
                                   : first >= 0xE0 && first < 0xF0 ? 3
                                   : first >= 0xF0 && first < 0xF5 ? 4
                                                                   : 0;
        if (length == 0 || i + length > text.size()) {
            return false;
        }
        std::uint32_t point = length == 1 ? first : first & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            if (!isContinuationByte(text[i + k])) {
                return false;
            }
            point = (point << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        }
        const bool overlong = (length == 3 && point < 0x800) || (length == 4 && point < 0x10000);
        const bool surrogate = point >= 0xD800 && point <= 0xDFFF;
        const bool control = point < 0x20 || (point >= 0x7F && point <= 0x9F);
        if (overlong || surrogate || point > 0x10FFFF || control) {
            return false;
        }
        i += length;
    }
    return true;
}

const WindowRow* calculatorNamed(std::string_view name) {
    for (const WindowRow& row : windows()) {
        if (row.isCalculator() && row.addressName == name) {
            return &row;
        }
    }
    return nullptr;
}

// The data box of the calculator that a symbol names in an address: any but a result.
const DataBox* boxWithSymbol(const FrameConfiguration& frame, std::string_view symbol) {
    for (const DataBox& data : frame.dataBoxes) {
        if (data.role != BoxRole::Result && symbol == symbolOf(data)) {
            return &data;
        }
    }
    return nullptr;
}

// Every box a "Calcul" requires has its text: all the inputs, and all but one of the boxes that
// are either given or solved for.
bool givesWhatACalculNeeds(const FrameConfiguration& frame,
                           const std::vector<const DataBox*>& given) {
    std::size_t either = 0;
    std::size_t eitherGiven = 0;
    for (const DataBox& data : frame.dataBoxes) {
        const bool isGiven = std::find(given.begin(), given.end(), &data) != given.end();
        if (data.role == BoxRole::Input && !isGiven) {
            return false;
        }
        if (data.role == BoxRole::InputOrResult) {
            ++either;
            eitherGiven += isGiven ? 1 : 0;
        }
    }
    return either == 0 || eitherGiven + 1 == either;
}

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos) {
            return parts;
        }
        start = end + 1;
    }
}

} // namespace

std::string calculationFragment(const AddressedCalculation& calculation) {
    const WindowRow& row = windowRow(calculation.form);
    std::string fragment(row.addressName);
    char separator = '?';
    for (const auto& [box, text] : calculation.texts) {
        for (const DataBox& data : row.frame().dataBoxes) {
            if (data.box.name == box) {
                fragment += separator + percentEncoded(symbolOf(data)) + "=" + percentEncoded(text);
                separator = '&';
            }
        }
    }
    return fragment;
}

std::optional<AddressedCalculation> readCalculationFragment(std::string_view fragment) {
    const std::size_t mark = fragment.find('?');
    if (fragment.size() > kMostFragmentBytes || mark == std::string_view::npos) {
        return std::nullopt;
    }
    const WindowRow* row = calculatorNamed(fragment.substr(0, mark));
    if (row == nullptr) {
        return std::nullopt;
    }
    const FrameConfiguration& frame = row->frame();
    std::vector<const DataBox*> given;
    std::vector<std::string> texts;
    for (std::string_view pair : split(fragment.substr(mark + 1), '&')) {
        const std::size_t equals = pair.find('=');
        if (equals == std::string_view::npos) {
            return std::nullopt;
        }
        const std::optional<std::string> symbol = percentDecoded(pair.substr(0, equals));
        const std::optional<std::string> text = percentDecoded(pair.substr(equals + 1));
        const DataBox* data = symbol ? boxWithSymbol(frame, *symbol) : nullptr;
        if (data == nullptr || !text || text->empty() || !isPrintableUtf8(*text) ||
            std::find(given.begin(), given.end(), data) != given.end()) {
            return std::nullopt;
        }
        given.push_back(data);
        texts.push_back(*text);
    }
    if (!givesWhatACalculNeeds(frame, given)) {
        return std::nullopt;
    }
    AddressedCalculation calculation{row->id, {}};
    for (const DataBox& data : frame.dataBoxes) {
        const auto at = std::find(given.begin(), given.end(), &data);
        if (at != given.end()) {
            calculation.texts.emplace_back(std::string(data.box.name),
                                           texts[std::size_t(at - given.begin())]);
        }
    }
    return calculation;
}

std::optional<std::string_view> fragmentOf(std::string_view address) {
    const std::size_t mark = address.find('#');
    if (mark == std::string_view::npos) {
        return std::nullopt;
    }
    return address.substr(mark + 1);
}

} // namespace formules
