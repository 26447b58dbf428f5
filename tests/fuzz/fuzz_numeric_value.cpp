// The value rules on any bytes: no crash, no undefined behaviour, a finite value or "beyond the
// range", in every unit too; a box reads nothing it does not understand, and what a box without
// a unit understands is the text's numeric value; blanks never change a value; a double's
// shortest text reads back exactly, and its 15-digit text of a number reads back within one part
// in 10^14; a number with its box's own unit word reads as the number alone; a component code
// reads as its number written with a separator and its letter as a unit word.
#include "quantities/BoxReading.h"
#include "quantities/NumberText.h"
#include "quantities/NumericValue.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>

using namespace formules;

namespace {

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void checkReading(std::string_view text) {
    const auto value = numericValue(text);
    check(!value || std::isfinite(*value));
    for (Unit unit : {Unit::Kilohertz, Unit::Picofarad, Unit::Microhenry, Unit::Centimetre}) {
        const BoxReading inUnit = readBoxText(text, unit);
        check(!inUnit.value || std::isfinite(*inUnit.value));
        check(inUnit.understood || !inUnit.value);
    }
    const BoxReading plain = readBoxText(text, Unit::None);
    check(!plain.understood || plain.value == value);
}

// Digits split in two by a code letter read as the number they make with a separator there.
void checkCodes(std::string_view digits, std::uint8_t where) {
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos) {
        return;
    }
    const std::size_t at = where % (digits.size() + 1);
    const std::string before(digits.substr(0, at));
    const std::string after(digits.substr(at));
    for (const auto& [letter, unit] :
         {std::pair{"n", Unit::Picofarad}, std::pair{"M", Unit::Kilohertz},
          std::pair{"m", Unit::Microhenry}}) {
        const BoxReading code = readBoxText(before + letter + after, unit);
        const BoxReading written = readBoxText(before + "." + after + letter, unit);
        check(code.understood && code.worthShowing);
        check(code.value == written.value);
    }
}

// The shortest text of a double, followed by the word of the box's own unit.
void checkOwnUnitWord(double value) {
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    const std::string number(buffer, end);
    check(readBoxText(number + " kHz", Unit::Kilohertz).value == numericValue(number));
    check(readBoxText(number + "pF", Unit::Picofarad).value == numericValue(number));
    check(readBoxText(number + "µH", Unit::Microhenry).value == numericValue(number));
    check(readBoxText(number + "CM", Unit::Centimetre).value == numericValue(number));
}

void checkBlanksAreIgnored(std::string_view text, std::uint8_t where) {
    static constexpr char kBlanks[] = {' ', '\t', '\n'};
    std::string spaced(text);
    spaced.insert(text.empty() ? 0 : where % (text.size() + 1), 1, kBlanks[where % 3]);
    const auto plain = numericValue(text);
    const auto withBlank = numericValue(spaced);
    check(plain.has_value() == withBlank.has_value());
    check(!plain || *plain == *withBlank);
}

void checkRoundTrips(double value) {
    if (!std::isfinite(value)) {
        return;
    }
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    const auto shortest = numericValue(std::string_view(buffer, std::size_t(end - buffer)));
    check(shortest.has_value() && *shortest == value);
    for (const char* separator : {".", ","}) {
        const auto written = numericValue(textOfNumber(value, separator));
        check(written.has_value());
        check(std::fabs(*written - value) <= std::fabs(value) * 1e-14);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkReading(text);
    if (size > 0) {
        checkBlanksAreIgnored(text.substr(1), data[0]);
        checkCodes(text.substr(1), data[0]);
    }
    if (size >= sizeof(double)) {
        double value = 0;
        std::memcpy(&value, data, sizeof value);
        checkRoundTrips(value);
        if (std::isfinite(value)) {
            checkOwnUnitWord(value);
        }
    }
    if (const auto value = numericValue(text)) {
        checkRoundTrips(*value);
    }
    return 0;
}
