#include "Colours.h"

#include <QWidget>

namespace formules {

namespace {

// Fusion's light button face, from which Qt derives the bevels and the disabled texts.
const QColor kButtonFace(239, 239, 239);

} // namespace

// Every role of every colour group is set, so that no role is left to the desktop's palette.
const QPalette& classicLightPalette() {
    static const QPalette palette = [] {
        const QPalette derived(kButtonFace);
        QPalette classic;
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            for (int role = 0; role < QPalette::NColorRoles; ++role) {
                const auto colorRole = static_cast<QPalette::ColorRole>(role);
                if (colorRole != QPalette::NoRole) {
                    classic.setBrush(group, colorRole, derived.brush(group, colorRole));
                }
            }
        }
        classic.setColor(QPalette::Highlight, QColor(48, 140, 198));
        classic.setColor(QPalette::HighlightedText, Qt::white);
        classic.setColor(QPalette::Link, QColor(0, 0, 255));
        classic.setColor(QPalette::LinkVisited, QColor(255, 0, 255));
        classic.setColor(QPalette::ToolTipBase, QColor(255, 255, 220));
        classic.setColor(QPalette::ToolTipText, Qt::black);
        classic.setColor(QPalette::PlaceholderText, QColor(0, 0, 0, 128));
        return classic;
    }();
    return palette;
}

// The system window colour is that of a box's ground, the system text colour that of its text.
QColor resolved(const Colour& colour) {
    switch (colour.source) {
    case Colour::Source::Default:
        break;
    case Colour::Source::Rgb:
        return QColor(colour.red, colour.green, colour.blue);
    case Colour::Source::SystemWindow:
        return classicLightPalette().color(QPalette::Base);
    case Colour::Source::SystemWindowText:
        return classicLightPalette().color(QPalette::Text);
    }
    return QColor();
}

void applyColour(QWidget* widget, QPalette::ColorRole role, const Colour& colour) {
    if (colour.isDefault()) {
        return;
    }
    QPalette palette = widget->palette();
    palette.setColor(role, resolved(colour));
    widget->setPalette(palette);
}

void applyBackground(QWidget* widget, ControlKind kind, const Colour& colour) {
    if (colour.isDefault()) {
        return;
    }
    switch (kind) {
    case ControlKind::Button:
        applyColour(widget, QPalette::Button, colour);
        break;
    case ControlKind::TextBox:
        applyColour(widget, QPalette::Base, colour);
        break;
    case ControlKind::Label:
    case ControlKind::PictureBox:
        applyColour(widget, QPalette::Window, colour);
        widget->setAutoFillBackground(true);
        break;
    }
}

void applyForeground(QWidget* widget, ControlKind kind, const Colour& colour) {
    switch (kind) {
    case ControlKind::Button:
        applyColour(widget, QPalette::ButtonText, colour);
        break;
    case ControlKind::TextBox:
        applyColour(widget, QPalette::Text, colour);
        break;
    case ControlKind::Label:
    case ControlKind::PictureBox:
        applyColour(widget, QPalette::WindowText, colour);
        break;
    }
}

} // namespace formules
