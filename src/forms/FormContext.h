#pragma once

#include "FormId.h"
#include "Toolkit.h"
#include "quantities/SharedQuantities.h"

namespace formules {

// Opens the program's windows by name, creating each one on its first show.
class Navigator {
public:
    virtual ~Navigator() = default;
    virtual void show(FormId id) = 0;
};

// What every window's handlers work with.
struct FormContext {
    Toolkit& toolkit;
    SharedQuantities& quantities;
    Navigator& navigator;
};

} // namespace formules
