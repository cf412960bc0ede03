#pragma once

#include <QFont>

namespace pirumo {

// Pages are laid out and painted in twips (1/1440 inch, 20 to the point) whatever the device's
// resolution, so that the layout and the fonts' metrics are the same on paper, in the preview
// and in a PDF.
inline constexpr double kTwipsPerPoint = 20.0;
inline constexpr double kGridFontPoints = 9.0;

// The window's grid font (Noto Sans CJK JP first) at `points`, sized for painting in twips.
QFont PrintFont(double points, bool bold = false);

}  // namespace pirumo
