#pragma once

#include "forms/ClassicScheme.h"

#include <QPalette>

class QWidget;

namespace formules {

// The classic light scheme (forms/ClassicScheme.h) as a palette, which every window's client area
// is drawn in whatever the desktop's palette; Qt derives the bevels and disabled texts from the
// face.
const QPalette& classicLightPalette();

// A described colour as it shows (forms/ClassicScheme.h); an invalid colour for the default.
QColor toQt(const Colour& colour);

QColor toQt(Rgb colour);

// Sets one colour role of the widget from the description; the default leaves it as inherited.
void applyColour(QWidget* widget, QPalette::ColorRole role, const Colour& colour);

// A control's ground and text colours (groundOf, inkOf), on the roles its kind draws them with;
// a label or a panel with a ground of its own fills it, one without lets its window show.
void applyControlColours(QWidget* widget, const ControlDescription& control);

} // namespace formules
