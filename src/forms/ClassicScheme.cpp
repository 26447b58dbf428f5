#include "ClassicScheme.h"

#include <algorithm>
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

std::optional<Rgb> groundOf(const ControlDescription& control) {
    if (const std::optional<Rgb> described = resolved(control.background)) {
        return described;
    }
    switch (control.kind) {
    case ControlKind::Button:
        return kClassicScheme.face;
    case ControlKind::TextBox:
        return kClassicScheme.boxGround;
    case ControlKind::Label:
    case ControlKind::PictureBox:
        break;
    }
    return std::nullopt;
}

std::optional<Rgb> inkOf(const ControlDescription& control) {
    if (const std::optional<Rgb> described = resolved(control.foreground)) {
        return described;
    }
    const bool inherits =
        control.kind == ControlKind::Label || control.kind == ControlKind::PictureBox;
    return inherits ? std::nullopt : std::optional<Rgb>(kClassicScheme.text);
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

double contrastRatio(Rgb first, Rgb second) {
    const double a = luminance(first);
    const double b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

namespace {

// Each channel scaled towards black, keeping the share given, or moved towards white by the
// share given: either way the hue stays.
Rgb scaledTowardsBlack(Rgb colour, double kept) {
    auto channel = [kept](std::uint8_t c) { return std::uint8_t(std::floor(c * kept)); };
    return {channel(colour.red), channel(colour.green), channel(colour.blue)};
}

Rgb mixedTowardsWhite(Rgb colour, double amount) {
    auto channel = [amount](std::uint8_t c) {
        return std::uint8_t(std::min(255.0, std::ceil(c + (255 - c) * amount)));
    };
    return {channel(colour.red), channel(colour.green), channel(colour.blue)};
}

// The least change of the colour, from 0 to 1, that gives the pair the contrast: a bisection,
// since the contrast grows with the change. Rounding each channel away from the other colour
// keeps the contrast reached.
template <typename Change> Rgb leastChange(Rgb colour, Rgb other, double least, Change change) {
    double low = 0.0;
    double high = 1.0;
    for (int step = 0; step < 40; ++step) {
        const double middle = (low + high) / 2;
        (contrastRatio(change(colour, middle), other) >= least ? high : low) = middle;
    }
    return change(colour, high);
}

} // namespace

ColourPair withContrast(ColourPair pair, double least) {
    if (contrastRatio(pair.ink, pair.ground) >= least) {
        return pair;
    }
    const Rgb black{0, 0, 0};
    if (contrastRatio(black, pair.ground) >= least) {
        const Rgb ink = leastChange(pair.ink, pair.ground, least, [](Rgb colour, double change) {
            return scaledTowardsBlack(colour, 1.0 - change);
        });
        return {ink, pair.ground};
    }
    return {black, leastChange(pair.ground, black, least, mixedTowardsWhite)};
}

Rgb focusRingOn(Rgb background) {
    const Rgb black{0, 0, 0};
    const Rgb white{255, 255, 255};
    return contrastRatio(background, black) >= contrastRatio(background, white) ? black : white;
}

} // namespace formules
