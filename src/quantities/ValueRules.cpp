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

} // namespace formules
