#pragma once

#include "FormDescription.h"

#include <cstdint>
#include <optional>

namespace formules {

// The classic light scheme every window's client area is drawn in, on every toolkit and
// desktop: white boxes, light grey faces, black text. The windows' own colours (cyan, pink,
// pale yellow) are a design for it, so the desktop's colours, dark or high-contrast, are not
// taken: the system colours of a description are resolved here and nowhere else.

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

struct ClassicScheme {
    Rgb face;      // windows and buttons
    Rgb boxGround; // text boxes: the system window colour
    Rgb text;      // all text: the system window text colour
    Rgb highlight; // selected text
    Rgb highlightedText;
    Rgb tooltipGround;
    Rgb tooltipText;
    Rgb link;
    Rgb visitedLink;
};

inline constexpr ClassicScheme kClassicScheme{
    {239, 239, 239}, {255, 255, 255}, {0, 0, 0},   {48, 140, 198}, {255, 255, 255},
    {255, 255, 220}, {0, 0, 0},       {0, 0, 255}, {255, 0, 255},
};

// A described colour as it shows: an RGB one as it is, a system one in the classic scheme;
// nothing for the default, which the control's kind decides.
std::optional<Rgb> resolved(const Colour& colour);

// What a control draws its ground in: its described colour, or else its kind's: a box is white,
// a button has the face, and a label or a panel has none, letting what is under it show.
std::optional<Rgb> groundOf(const ControlDescription& control);

// What a control writes its text in: its described colour, or else a button's or a box's is the
// scheme's text colour; a label or a panel has none, taking its window's text colour.
std::optional<Rgb> inkOf(const ControlDescription& control);

// The colour of a focus ring drawn on the background: black or white, whichever contrasts more
// (relative luminance, as the accessibility guidelines define it).
Rgb focusRingOn(Rgb background);

// The contrast of two colours, from 1 (the same) to 21 (black on white), as the accessibility
// guidelines define it.
double contrastRatio(Rgb first, Rgb second);

// The usual least contrast of text on its background.
inline constexpr double kLegibleContrast = 4.5;

// A text colour and its background, as drawn for a user who asks for more contrast.
struct ColourPair {
    Rgb ink;
    Rgb ground;
};

// The pair, with at least the contrast asked for, in the same hues: the text is darkened as far
// as it needs, and only where black text is not enough is the background lightened. A pair that
// has the contrast already comes back as it is.
ColourPair withContrast(ColourPair pair, double least = kLegibleContrast);

} // namespace formules
