#include "ValueRules.h"

#include "NumericValue.h"

namespace formules {

bool isBlank(const EntryValue& value) {
    switch (value.kind()) {
    case EntryValue::Kind::Empty:
        return true;
    case EntryValue::Kind::Text:
        return value.asText().empty();
    case EntryValue::Kind::Integer:
    case EntryValue::Kind::Double:
        return false;
    }
    return false;
}

double operandOf(const EntryValue& value) {
    switch (value.kind()) {
    case EntryValue::Kind::Empty:
        return 0.0;
    case EntryValue::Kind::Integer:
        return value.asInteger();
    case EntryValue::Kind::Double:
        return value.asDouble();
    case EntryValue::Kind::Text:
        return numericValue(value.asText()).value_or(0.0);
    }
    return 0.0;
}

bool equalsZero(const EntryValue& value) {
    return operandOf(value) == 0.0;
}

bool lessThanZero(const EntryValue& value) {
    return operandOf(value) < 0.0;
}

// Above the digits kept, the scale is a whole power of ten, divided by rather than multiplied by
// its inverse, which no double holds exactly.
std::optional<double> roundSignificant(double x, int digits) {
    if (!(x > 0) || !std::isfinite(x)) {
        return std::nullopt;
    }
    const int place = digits - 1 - int(std::floor(std::log10(x)));
    if (place >= 0) {
        return roundHalfUp(x, std::pow(10.0, place));
    }
    const double step = std::pow(10.0, -place);
    const std::optional<double> steps = roundHalfUp(x / step, 1);
    return steps ? std::optional<double>(*steps * step) : std::nullopt;
}

} // namespace formules
