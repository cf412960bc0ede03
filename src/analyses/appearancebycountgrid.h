#pragma once

#include "analyses/appearancebycount.h"
#include "grid/resultgrid.h"

namespace pirumo {

// The 回数別出現分析 grid: a header row, then a row per count with the numbers that have it.
void FillAppearanceByCountGrid(const AppearanceByCountResult& result, ResultGrid& grid);

}  // namespace pirumo
