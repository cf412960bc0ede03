#pragma once

#include "analyses/lastdigit.h"
#include "grid/resultgrid.h"

namespace pirumo {

// The 下一桁連続出現回数分析 grid: a row for every draw number from 1 (draw n in row n + 2), and
// in it each digit's run count where the run goes on, coloured by its length.
void FillLastDigitRunGrid(const LastDigitResult& result, ResultGrid& grid);

}  // namespace pirumo
