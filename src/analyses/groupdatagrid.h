#pragma once

#include "analyses/groupdata.h"
#include "grid/resultgrid.h"

namespace pirumo {

// The grids of the six-, seven- and ten-group windows: a chart title row, then blocks of 50 draws
// each under a group-title row and a number row, a "●" where the draw produced a number and the
// groups it missed shaded.
void FillGroupData6Grid(const GroupDataResult& result, ResultGrid& grid);
void FillGroupData7Grid(const GroupDataResult& result, ResultGrid& grid);
void FillGroupData10Grid(const GroupDataResult& result, ResultGrid& grid);

}  // namespace pirumo
