#pragma once

#include "chart/chart.h"

namespace pirumo {

// Columns a long line is reduced to: about as many as a chart on screen is wide in pixels.
inline constexpr int kThinColumns = 1000;

// Reduces a line or band in x order to at most four points per column of x: the column's first
// and last points and those with the lowest and highest value (for a band, the highest upper
// and the lowest lower edge). Drawn that wide, the line looks the same, peaks included, while a
// chart of 32,767 draws holds a few thousand points instead of tens of thousands. Other kinds,
// and series of at most four points per column already, are left as they are.
void ThinSeries(ChartSeries& series, int columns = kThinColumns);

}  // namespace pirumo
