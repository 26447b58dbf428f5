#pragma once

#include "ControlName.h"
#include "FormId.h"
#include "Toolkit.h"
#include "quantities/SharedQuantities.h"

#include <string>
#include <utility>
#include <vector>

namespace formules {

// Opens the program's windows by name, creating each one on its first show, and follows the
// calculation they show.
class Navigator {
public:
    virtual ~Navigator() = default;
    virtual void show(FormId id) = 0;

    // A calculator's "Calcul" has written its result from the texts the user gave, box by box.
    virtual void calculationShown(FormId id,
                                  const std::vector<std::pair<BoxName, std::string>>& texts) = 0;
    // A calculator's window was cleared: it shows no calculation any more.
    virtual void calculationCleared(FormId id) = 0;
};

// What every window's handlers work with.
struct FormContext {
    Toolkit& toolkit;
    SharedQuantities& quantities;
    Navigator& navigator;
};

} // namespace formules
