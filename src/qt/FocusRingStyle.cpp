#include "FocusRingStyle.h"

#include "forms/ClassicScheme.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

#include <cstdint>

namespace formules {

namespace {

constexpr int kRingWidth = 2;

// Black or white, whichever contrasts more with the background (forms/ClassicScheme.h).
QColor ringColourOn(const QColor& background) {
    const Rgb ring =
        focusRingOn(Rgb{std::uint8_t(background.red()), std::uint8_t(background.green()),
                        std::uint8_t(background.blue())});
    return QColor(ring.red, ring.green, ring.blue);
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
