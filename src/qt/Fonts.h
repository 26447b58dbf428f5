#pragma once

#include "forms/FormDescription.h"

#include <QFont>

namespace formules {

// A font of a window's description as Qt draws it: in its own family where the desktop has it,
// otherwise in its first installed stand-in (forms/FontStandIns.h).
QFont toQt(const FontDescription& description);

// The font of every text that sets none of its own (menu bar, message boxes, tooltips). A
// minimal system may offer only a fixed-pitch font for the desktop's default: the windows' own
// sans font is used instead, at the desktop's size.
void preferProportionalDefaultFont();

} // namespace formules
