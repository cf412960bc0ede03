#pragma once

#include "analyses/lastdigit.h"
#include "grid/resultgrid.h"

namespace pirumo {

// The grid shared by the two last-digit windows: 11 columns (draw number, then one column per
// last digit 0..9) and lastDrawNumber + 4 rows, a two-row header at the top, draws from row 3 and
// the header's mirror image in the two bottom rows.

constexpr int kLastDigitFirstDrawRow = 3;

constexpr int LastDigitColumn(int digit) {
    return digit + 2;
}

// Size, heights, widths, colours, borders and both headers.
void SetUpLastDigitGrid(ResultGrid& grid, int lastDrawNumber);

// The 下一桁出現傾向分析 grid: per valid draw, in turn from row 3, each digit written once per
// number ending in it, its cell the stronger in colour the more numbers share it.
void FillLastDigitGrid(const LastDigitResult& result, ResultGrid& grid);

}  // namespace pirumo
