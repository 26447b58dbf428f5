#pragma once

#include "forms/FormDescription.h"

#include <QFont>

namespace formules {

// A font of a window's description as Qt draws it. The design's families are Windows ones that
// Linux desktops lack: each is drawn in its first installed stand-in, Liberation (with the same
// metrics) or DejaVu, and in its own family only where the desktop has it.
QFont toQt(const FontDescription& description);

// The font of every text that sets none of its own (menu bar, message boxes, tooltips). A
// minimal system may offer only a fixed-pitch font for the desktop's default: the windows' own
// sans font is used instead, at the desktop's size.
void preferProportionalDefaultFont();

} // namespace formules
