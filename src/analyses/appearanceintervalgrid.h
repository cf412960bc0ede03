#pragma once

#include "analyses/positionvalues.h"
#include "grid/resultgrid.h"

namespace pirumo {

// The 出現間隔分析 grid: each number with "N回前" beside it, or "初回" for a first appearance.
void FillAppearanceIntervalGrid(const PositionValueResult& intervals, ResultGrid& grid);

}  // namespace pirumo
