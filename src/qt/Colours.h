#pragma once

#include "forms/FormDescription.h"

#include <QPalette>

class QWidget;

namespace formules {

// The classic light scheme every window's client area is drawn in: white boxes, light grey
// button faces and window, black text. The windows' own colours (cyan, pink, pale yellow) are
// a design for it, so the desktop's palette, dark or high-contrast, is not taken: the system
// colours of a description are resolved here and nowhere else.
const QPalette& classicLightPalette();

// A described colour as it shows: an RGB one as it is, a system one in the classic light
// scheme; an invalid colour for the default.
QColor resolved(const Colour& colour);

// Sets one colour role of the widget from the description; the default leaves it as inherited.
void applyColour(QWidget* widget, QPalette::ColorRole role, const Colour& colour);

// A control's background and text colours, on the roles its kind draws them with; a label or a
// panel with a background of its own fills it.
void applyBackground(QWidget* widget, ControlKind kind, const Colour& colour);
void applyForeground(QWidget* widget, ControlKind kind, const Colour& colour);

} // namespace formules
