#pragma once

#include <QFont>

namespace pirumo {

// Pages are laid out and painted in page units of a twentieth of a point (1/1440 inch) whatever
// the device's resolution, so that the layout and the fonts' metrics are the same on paper, in the
// preview and in a PDF.
inline constexpr double kPageUnitsPerPoint = 20.0;
inline constexpr double kPageUnitsPerInch = 72.0 * kPageUnitsPerPoint;
inline constexpr double kGridFontPoints = 9.0;

// The window's grid font (Noto Sans CJK JP first) at `points`, sized for painting in page units.
QFont PrintFont(double points, bool bold = false);

}  // namespace pirumo
