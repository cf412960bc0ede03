#pragma once

#include "analyses/dispersion.h"
#include "grid/resultgrid.h"

namespace pirumo {

// The バラツキ分析 chart: a row per draw with a "●" in the column of each drawn number, coloured
// by whether it was a main or the bonus number.
void FillDispersionGrid(const DispersionResult& result, ResultGrid& grid);

}  // namespace pirumo
