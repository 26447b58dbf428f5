#include "ClassicScheme.h"

#include <cmath>

namespace formules {

std::optional<Rgb> resolved(const Colour& colour) {
    switch (colour.source) {
    case Colour::Source::Default:
        break;
    case Colour::Source::Rgb:
        return Rgb{colour.red, colour.green, colour.blue};
    case Colour::Source::SystemWindow:
        return kClassicScheme.boxGround;
    case Colour::Source::SystemWindowText:
        return kClassicScheme.text;
    }
    return std::nullopt;
}

namespace {

// Relative luminance, from 0 (black) to 1 (white).
double luminance(Rgb colour) {
    auto linear = [](std::uint8_t channel) {
        const double c = channel / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) +
           0.0722 * linear(colour.blue);
}

} // namespace

Rgb focusRingOn(Rgb background) {
    const double l = luminance(background);
    const double againstBlack = (l + 0.05) / 0.05;
    const double againstWhite = 1.05 / (l + 0.05);
    return againstBlack >= againstWhite ? Rgb{0, 0, 0} : Rgb{255, 255, 255};
}

} // namespace formules
