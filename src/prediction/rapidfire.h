#pragma once

#include "prediction/cycletable.h"
#include "prediction/eliminationmethod.h"
#include "grid/resultgrid.h"

namespace pirumo {

// 連発ガルポン: the cycle numbers within 3 of some elimination candidate, each once, up to ten,
// five per row in rows 2 and 3 of the rapid-fire grid. Texts already in those cells count as
// shown.
void PredictRapidFire(const CycleTable& table, const EliminationCandidates& candidates,
                      ResultGrid& rapidFireGrid);

}  // namespace pirumo
