#pragma once

namespace formules {

// Positions and sizes of windows and controls are in form units of 1/1440 inch; fonts are in
// points of 1/72 inch. A toolkit converts both at its screen's dots per inch (a browser's CSS
// pixel is always 1/96 inch).
inline constexpr double kFormUnitsPerInch = 1440.0;
inline constexpr double kPointsPerInch = 72.0;
inline constexpr double kCssPixelsPerInch = 96.0;

// Form units to pixels, to the nearest.
inline int formUnitsToPixels(int units, double dotsPerInch) {
    return int(units * dotsPerInch / kFormUnitsPerInch + 0.5);
}

inline double pointsToPixels(double points, double dotsPerInch) {
    return points * dotsPerInch / kPointsPerInch;
}

} // namespace formules
