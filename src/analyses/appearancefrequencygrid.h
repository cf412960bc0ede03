#pragma once

#include "analyses/appearancefrequency.h"
#include "grid/resultgrid.h"

namespace pirumo {

// The 出現頻度分析 chart: a row per number with a "●" per appearance, oldest first, coloured by
// whether the number came as a main or the bonus number.
void FillAppearanceFrequencyGrid(const AppearanceFrequencyResult& result, ResultGrid& grid);

}  // namespace pirumo
