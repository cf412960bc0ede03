#pragma once

#include "prediction/cycletable.h"
#include "prediction/eliminationmethod.h"
#include "grid/resultgrid.h"

namespace pirumo {

// 一発ガルポン: the cycle numbers within 2 of some elimination candidate, each once, in row 2 of
// the one-shot grid; the scan ends when five are shown. Texts already in that row count as shown.
void PredictOneShot(const CycleTable& table, const EliminationCandidates& candidates,
                    ResultGrid& oneShotGrid);

}  // namespace pirumo
