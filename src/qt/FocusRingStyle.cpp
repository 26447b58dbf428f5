#include "FocusRingStyle.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

#include <cmath>

namespace formules {

namespace {

constexpr int kRingWidth = 2;

// Relative luminance of a colour, from 0 (black) to 1 (white), as the contrast formulas of
// accessibility guidelines define it.
double luminance(const QColor& colour) {
    auto linear = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

// Black on light backgrounds, white on dark ones: the choice with the larger contrast ratio.
QColor ringColourOn(const QColor& background) {
    const double l = luminance(background);
    const double againstBlack = (l + 0.05) / 0.05;
    const double againstWhite = 1.05 / (l + 0.05);
    return againstBlack >= againstWhite ? QColor(Qt::black) : QColor(Qt::white);
}

// The ring lies inside the control's rectangle, inset so that it clears the style's bevel.
void drawRing(QPainter* painter, const QRect& rect, const QColor& background, int inset) {
    const QRect r = rect.adjusted(inset, inset, -inset, -inset);
    const QColor colour = ringColourOn(background);
    painter->fillRect(r.left(), r.top(), r.width(), kRingWidth, colour);
    painter->fillRect(r.left(), r.bottom() - kRingWidth + 1, r.width(), kRingWidth, colour);
    painter->fillRect(r.left(), r.top(), kRingWidth, r.height(), colour);
    painter->fillRect(r.right() - kRingWidth + 1, r.top(), kRingWidth, r.height(), colour);
}

} // namespace

FocusRingStyle::FocusRingStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void FocusRingStyle::drawControl(ControlElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element == CE_PushButton && (option->state & State_HasFocus)) {
        drawRing(painter, option->rect, option->palette.color(QPalette::Button), 3);
    }
}

void FocusRingStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                   QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    if (element == PE_PanelLineEdit && (option->state & State_HasFocus)) {
        drawRing(painter, option->rect, option->palette.color(QPalette::Base), 1);
    }
}

} // namespace formules
