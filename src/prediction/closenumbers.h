#pragma once

#include "grid/resultgrid.h"
#include "prediction/cycletable.h"
#include "prediction/eliminationmethod.h"

namespace pirumo {

// How far a cycle number may lie from an elimination candidate: 連発ガルポン and 一発ガルポン.
inline constexpr int kRapidFireWidth = 3;
inline constexpr int kOneShotWidth = 2;

// The cycle numbers within `width` of some elimination candidate, each once, written into the
// value cells of prediction grid `index` (five per row, from row 2) until they are full. The
// scan goes over every candidate (repeats too), slot 0..3, position 1..6; the first empty entry
// ends a slot. Texts already in those cells count as shown.
void PredictCloseNumbers(const CycleTable& table, const EliminationCandidates& candidates,
                         int width, ResultGrid& grid, int index);

}  // namespace pirumo
