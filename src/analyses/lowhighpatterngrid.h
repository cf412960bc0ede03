#pragma once

#include "analyses/combinationpattern.h"
#include "grid/resultgrid.h"

namespace pirumo {

// The 低数字高数字の組合せパターン分析 grid.
void FillLowHighPatternGrid(const CombinationPatternResult& result, ResultGrid& grid);

}  // namespace pirumo
