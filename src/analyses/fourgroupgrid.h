#pragma once

#include "analyses/fourgroup.h"
#include "grid/resultgrid.h"

namespace pirumo {

// The 分割4傾向分析 grid: blocks of 50 draws, each under its own header row, and one header row
// closing the grid.
void FillFourGroupGrid(const FourGroupResult& result, ResultGrid& grid);

}  // namespace pirumo
