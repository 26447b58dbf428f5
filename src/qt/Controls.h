#pragma once

#include "forms/FormDescription.h"

#include <QString>

class QWidget;

namespace formules {

// A text of the program in the language; one without a translation shows as it is written, in
// French.
QString shownText(const std::string& text, const std::string& language);

// The widget a control's description stands for, inside its parent: its caption or text in the
// language, what assistive technology announces and describes, its font and colours, and its
// place and size in pixels at the screen's dots per inch. It is not yet connected to any
// handler; labels and panels take no focus.
QWidget* createControl(const ControlDescription& control, QWidget* parent, double dotsPerInch,
                       const std::string& language);

// The caption with its access key marked (forms/AccessKeys.h); Qt underlines the key as the
// style draws mnemonics and makes Alt+key choose the control.
QString withAccessKey(const QString& caption, char key);

} // namespace formules
