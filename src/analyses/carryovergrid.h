#pragma once

#include "analyses/carryover.h"
#include "grid/resultgrid.h"

namespace pirumo {

// The 引っ張り分析 grid: a row per draw with its numbers, those carried over highlighted.
void FillCarryOverGrid(const CarryOverResult& result, ResultGrid& grid);

}  // namespace pirumo
