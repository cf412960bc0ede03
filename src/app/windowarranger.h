#pragma once

class QMdiArea;

namespace pirumo {

// The arrangements of the window menu. The tilings take the open, not minimised child windows,
// the active one first.

// Each window the full width of the area, stacked from top to bottom; where the windows need more
// room than the area has, they keep their least height and the area scrolls.
void TileHorizontally(QMdiArea& area);
// Each window the full height of the area, side by side from left to right; the same for widths.
void TileVertically(QMdiArea& area);
// Each window with its own size again (as before a tiling), offset down and right from the one
// behind it.
void Cascade(QMdiArea& area);
// The minimised windows in rows along the bottom edge of the area, left to right.
void ArrangeIcons(QMdiArea& area);

}  // namespace pirumo
