#include "DecimalText.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale.h>

namespace formules {

namespace {

// The C library reads and writes numbers with the decimal point of the thread's locale, which a
// toolkit may have set to the user's (a comma in French): the "C" locale is used meanwhile.
class CLocaleScope {
public:
    CLocaleScope() : m_previous(uselocale(cLocale())) {}
    ~CLocaleScope() { uselocale(m_previous); }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    static locale_t cLocale() {
        static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(0));
        return c;
    }

    locale_t m_previous;
};

// An infinity is beyond the range (the texts read here never spell one), and so is a zero for
// which strtod reports ERANGE: digits that are not all zeros. strtod reports ERANGE for subnormal
// results too, which are in range; some C libraries do not report it for an infinite one.
DecimalReading readWithStrtod(const std::string& text) {
    const CLocaleScope locale;
    errno = 0;
    const double value = std::strtod(text.c_str(), nullptr);
    if (std::isinf(value) || (errno == ERANGE && value == 0.0)) {
        return {0.0, true};
    }
    return {value, false};
}

// A finite positive double's significant digits, without trailing zeros, and the decimal
// exponent of the first one.
struct Digits {
    std::string digits;
    int exponent = 0;
};

// Splits a text of scientificText, keeping every digit it has.
Digits digitsOf(const std::string& scientific) {
    const std::size_t mark = scientific.find('e');
    Digits result;
    for (std::size_t i = 0; i < mark; ++i) {
        if (scientific[i] != '.') {
            result.digits += scientific[i];
        }
    }
    result.exponent = std::atoi(scientific.c_str() + mark + 1);
    return result;
}

Digits withoutTrailingZeros(Digits d) {
    d.digits.erase(d.digits.find_last_not_of('0') + 1);
    return d;
}

// The digits in scientific notation, as the shortest text writes them and strtod reads them:
// 1.5e+02.
std::string scientificNotation(const Digits& d) {
    std::string text = d.digits.substr(0, 1);
    if (d.digits.size() > 1) {
        text += '.' + d.digits.substr(1);
    }
    const int exponent = std::abs(d.exponent);
    text += d.exponent < 0 ? "e-" : "e+";
    if (exponent < 10) {
        text += '0';
    }
    return text + std::to_string(exponent);
}

bool readsBackAs(const Digits& d, double value) {
    return readWithStrtod(scientificNotation(d)).value == value;
}

// The digits one unit higher in their last place: 1.99 gives 2, 9.9 gives 10.
Digits oneUnitUp(Digits d) {
    std::size_t i = d.digits.size();
    while (i > 0 && d.digits[i - 1] == '9') {
        d.digits[--i] = '0';
    }
    if (i == 0) {
        d.digits.insert(d.digits.begin(), '1');
        ++d.exponent;
    } else {
        ++d.digits[i - 1];
    }
    return d;
}

// The fewest significant digits that read back as the value, and the nearest of those. The
// nearest decimal with that many digits is the correctly rounded one, except at a power of two,
// whose lower neighbour is closer than its upper one: there the decimal one unit above may read
// back when the rounded one, below the value, does not.
Digits shortestDigits(double magnitude) {
    for (int count = 1; count < 17; ++count) {
        const Digits rounded = digitsOf(scientificText(magnitude, count - 1));
        if (readsBackAs(rounded, magnitude)) {
            return withoutTrailingZeros(rounded);
        }
        const Digits above = oneUnitUp(rounded);
        if (readWithStrtod(scientificNotation(rounded)).value < magnitude &&
            readsBackAs(above, magnitude)) {
            return withoutTrailingZeros(above);
        }
    }
    return withoutTrailingZeros(digitsOf(scientificText(magnitude, 16))); // 17 always do
}

int decimalDigitCount(int n) {
    return n < 10 ? 1 : 1 + decimalDigitCount(n / 10);
}

std::string fixedNotation(const Digits& d, double magnitude) {
    const int count = static_cast<int>(d.digits.size());
    if (d.exponent >= count - 1) {
        // A whole number: its exact digits are as short and nearer than the rounded ones.
        const CLocaleScope locale;
        char buffer[400];
        std::snprintf(buffer, sizeof buffer, "%.0f", magnitude);
        return buffer;
    }
    if (d.exponent >= 0) {
        const auto whole = static_cast<std::size_t>(d.exponent) + 1;
        return d.digits.substr(0, whole) + '.' + d.digits.substr(whole);
    }
    return "0." + std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.digits;
}

} // namespace

DecimalReading readDecimal(std::string_view number) {
    return readWithStrtod(std::string(number));
}

DecimalReading readHexadecimal(std::string_view digits) {
    if (digits.empty()) {
        return {0.0, false};
    }
    return readWithStrtod("0x" + std::string(digits));
}

std::string scientificText(double value, int digitsAfterPoint) {
    const CLocaleScope locale;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", std::clamp(digitsAfterPoint, 0, 40), value);
    return buffer;
}

std::string shortestText(double value) {
    const std::string sign = std::signbit(value) ? "-" : "";
    if (value == 0.0) {
        return sign + "0";
    }
    const double magnitude = std::fabs(value);
    const Digits d = shortestDigits(magnitude);
    const int count = static_cast<int>(d.digits.size());
    const int scientificLength =
        count + (count > 1 ? 1 : 0) + 2 + std::max(2, decimalDigitCount(std::abs(d.exponent)));
    const int fixedLength = d.exponent >= count - 1 ? d.exponent + 1
                            : d.exponent >= 0       ? count + 1
                                                    : count + 1 - d.exponent;
    return sign +
           (fixedLength <= scientificLength ? fixedNotation(d, magnitude) : scientificNotation(d));
}

} // namespace formules
