#include "Colours.h"

#include <QWidget>

namespace formules {

QColor toQt(Rgb colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

QColor toQt(const Colour& colour) {
    const std::optional<Rgb> shown = resolved(colour);
    return shown ? toQt(*shown) : QColor();
}

// Every role of every colour group is set, so that no role is left to the desktop's palette.
const QPalette& classicLightPalette() {
    static const QPalette palette = [] {
        const ClassicScheme& scheme = kClassicScheme;
        const QPalette derived(toQt(scheme.face));
        QPalette classic;
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            for (int role = 0; role < QPalette::NColorRoles; ++role) {
                const auto colorRole = static_cast<QPalette::ColorRole>(role);
                if (colorRole != QPalette::NoRole) {
                    classic.setBrush(group, colorRole, derived.brush(group, colorRole));
                }
            }
        }
        // The disabled texts keep the grey derived from the face.
        for (auto group : {QPalette::Active, QPalette::Inactive}) {
            classic.setColor(group, QPalette::Base, toQt(scheme.boxGround));
            for (auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText}) {
                classic.setColor(group, role, toQt(scheme.text));
            }
        }
        classic.setColor(QPalette::Highlight, toQt(scheme.highlight));
        classic.setColor(QPalette::HighlightedText, toQt(scheme.highlightedText));
        classic.setColor(QPalette::Link, toQt(scheme.link));
        classic.setColor(QPalette::LinkVisited, toQt(scheme.visitedLink));
        classic.setColor(QPalette::ToolTipBase, toQt(scheme.tooltipGround));
        classic.setColor(QPalette::ToolTipText, toQt(scheme.tooltipText));
        classic.setColor(QPalette::PlaceholderText, QColor(0, 0, 0, 128));
        return classic;
    }();
    return palette;
}

void applyColour(QWidget* widget, QPalette::ColorRole role, const Colour& colour) {
    if (colour.isDefault()) {
        return;
    }
    QPalette palette = widget->palette();
    palette.setColor(role, toQt(colour));
    widget->setPalette(palette);
}

namespace {

struct KindRoles {
    QPalette::ColorRole ground;
    QPalette::ColorRole ink;
};

// The palette roles each kind of control draws its ground and its text with.
KindRoles rolesOf(ControlKind kind) {
    switch (kind) {
    case ControlKind::Button:
        return {QPalette::Button, QPalette::ButtonText};
    case ControlKind::TextBox:
        return {QPalette::Base, QPalette::Text};
    case ControlKind::Label:
    case ControlKind::PictureBox:
        break;
    }
    return {QPalette::Window, QPalette::WindowText};
}

void setRole(QWidget* widget, QPalette::ColorRole role, Rgb colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, toQt(colour));
    widget->setPalette(palette);
}

} // namespace

void applyControlColours(QWidget* widget, const ControlDescription& control) {
    const KindRoles roles = rolesOf(control.kind);
    if (const std::optional<Rgb> ground = groundOf(control)) {
        setRole(widget, roles.ground, *ground);
        widget->setAutoFillBackground(roles.ground == QPalette::Window);
    }
    if (const std::optional<Rgb> ink = inkOf(control)) {
        setRole(widget, roles.ink, *ink);
    }
}

} // namespace formules
