#pragma once

#include "analyses/numbersum.h"
#include "grid/resultgrid.h"

namespace pirumo {

// The 数字合計分析 grid: a header row, then a row per valid draw with its numbers and totals.
void FillNumberSumGrid(const NumberSumResult& result, ResultGrid& grid);

}  // namespace pirumo
