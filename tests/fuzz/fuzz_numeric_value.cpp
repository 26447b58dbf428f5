// The value rules on any bytes: no crash, no undefined behaviour, a finite value or "beyond the
// range", in every unit too; blanks never change a value; a double's shortest text reads back
// exactly, and its 15-digit text of a number reads back within one part in 10^14; a number
// with its box's own unit word reads as the number alone.
#include "quantities/NumberText.h"
#include "quantities/NumericValue.h"
#include "quantities/Units.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

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
        const auto inUnit = valueInUnit(text, unit);
        check(!inUnit || std::isfinite(*inUnit));
    }
    check(valueInUnit(text, Unit::None) == value);
}

// The shortest text of a double, followed by the word of the box's own unit.
void checkOwnUnitWord(double value) {
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    const std::string number(buffer, end);
    check(valueInUnit(number + " kHz", Unit::Kilohertz) == numericValue(number));
    check(valueInUnit(number + "pF", Unit::Picofarad) == numericValue(number));
    check(valueInUnit(number + "µH", Unit::Microhenry) == numericValue(number));
    check(valueInUnit(number + "CM", Unit::Centimetre) == numericValue(number));
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
