#pragma once

#include <QRect>
#include <vector>

class QLabel;

namespace pirumo {

// Places `label` at `topLeft`, `room` pixels wide: on one line `lineHeight` high when its text fits
// in `room` pixels, in a font shrunk by at most down to 8 points if need be; otherwise wraps it
// within `room` at its parent's font, as many lines high as it needs. A description is never cut
// nor drawn smaller than 8 points. Returns the geometry given.
QRect PlaceWrappingLabel(QLabel& label, QPoint topLeft, int room, int lineHeight);

// Moves rectangles that share a line to the right, in the order of their left edges, until each
// keeps `gap` pixels from every one before it; none moves left, none moves up or down. Legends
// whose captions are wider than the room they were given stay readable this way.
void KeepApartOnLine(std::vector<QRect>& rects, int gap);

}  // namespace pirumo
