#pragma once

#include "grid/resultgrid.h"

namespace pirumo {

// The grid shared by the two last-digit windows: 11 columns (draw number, then one column per
// last digit 0..9, column d + 2 for digit d) and lastDrawNumber + 4 rows, a two-row header at
// the top and its mirror image at the bottom.

constexpr int kLastDigitHeaderRows = 4;

inline int LastDigitColumn(int digit) {
    return digit + 2;
}

// SetUpGrid of both windows: size, heights, widths, colours and borders.
void SetUpLastDigitGrid(ResultGrid& grid, int lastDrawNumber);

// WriteDigitHeader: the title row and the digit row in rows h and h + 1; mirrored puts the digit
// row above the title row.
void WriteLastDigitHeader(ResultGrid& grid, int row, bool mirrored);

}  // namespace pirumo
