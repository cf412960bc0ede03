#pragma once

#include "grid/resultgrid.h"
#include "print/printdocument.h"

namespace pirumo {

// The comparison with chance (a grid of FillChanceGrid) as a block after the window's grid: a
// heading line, then the grid with the test and the reminder opening every page.
PrintBlock ChancePrintBlock(const ResultGrid& chanceGrid);

}  // namespace pirumo
