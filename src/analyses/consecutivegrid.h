#pragma once

#include "analyses/consecutive.h"
#include "grid/resultgrid.h"

namespace pirumo {

// The 連番飛び石分析 grid: each draw's main numbers twice, the consecutive pairs marked on the left
// half and the skip-one pairs on the right, a draw number greyed where its half has no pair.
void FillConsecutiveGrid(const ConsecutiveResult& result, ResultGrid& grid);

}  // namespace pirumo
