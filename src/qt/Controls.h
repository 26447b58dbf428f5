#pragma once

#include "forms/FormDescription.h"

#include <QString>

class QWidget;

namespace formules {

// A text of the program in the user's language; one without a translation shows as it is
// written, in French.
QString shownText(const std::string& text);

// The widget a control's description stands for, inside its parent: its caption or text, what
// assistive technology announces and describes, its font and colours, and its place and size
// in pixels. It is not yet connected to any handler; labels and panels take no focus.
QWidget* createControl(const ControlDescription& control, QWidget* parent, double pixelsPerUnit);

// The caption with an ampersand before its access key, which underlines the key as the style
// draws mnemonics and makes Alt+key choose the control. A translation that marks its own key
// with an ampersand keeps it; one that lacks the described key letter has no access key.
QString withAccessKey(QString caption, char key);

// Form units converted to pixels, to the nearest.
inline int toPixels(int units, double pixelsPerUnit) {
    return int(units * pixelsPerUnit + 0.5);
}

} // namespace formules
