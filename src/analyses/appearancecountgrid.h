#pragma once

#include "analyses/appearancecount.h"
#include "grid/resultgrid.h"

namespace pirumo {

// The 出現回数分析 grid: a row per draw with its numbers on the left and their earlier counts on
// the right, under two header rows.
void FillAppearanceCountGrid(const AppearanceCountResult& result, ResultGrid& grid);

}  // namespace pirumo
