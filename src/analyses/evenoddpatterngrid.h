#pragma once

#include "analyses/combinationpattern.h"
#include "grid/resultgrid.h"

namespace pirumo {

// The 偶数奇数の組合せパターン分析 grid.
void FillEvenOddPatternGrid(const CombinationPatternResult& result, ResultGrid& grid);

}  // namespace pirumo
