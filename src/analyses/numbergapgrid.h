#pragma once

#include "analyses/positionvalues.h"
#include "grid/resultgrid.h"

namespace pirumo {

// The 数字間隔分析 grid: each number with its difference beside it, a rise signed "+", a fall
// highlighted.
void FillNumberGapGrid(const PositionValueResult& gaps, ResultGrid& grid);

}  // namespace pirumo
