#pragma once

#include <QProxyStyle>

namespace formules {

// Fusion, with a focus ring that shows on any colour: the control that has the keyboard focus
// gets a two-pixel ring in black or white, whichever stands out more from the control's own
// background. Fusion's own focus frame is in the highlight colour, which vanishes on a blue
// button.
class FocusRingStyle final : public QProxyStyle {
public:
    FocusRingStyle();

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

} // namespace formules
