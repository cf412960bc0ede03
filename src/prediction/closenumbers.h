#pragma once

#include <vector>

#include "prediction/cycletable.h"
#include "prediction/eliminationmethod.h"

namespace pirumo {

// How far a cycle number may lie from an elimination candidate, and how many numbers are
// proposed: 連発ガルポン and 一発ガルポン.
inline constexpr int kRapidFireWidth = 3;
inline constexpr int kRapidFireLimit = 10;
inline constexpr int kOneShotWidth = 2;
inline constexpr int kOneShotLimit = 5;

// The cycle numbers within `width` of some elimination candidate, each once, in the order found,
// until `limit` are found. The scan goes over every candidate (repeats too), slot 0..3, position
// 1..6; the first empty entry ends a slot.
std::vector<int> PredictCloseNumbers(const CycleTable& table,
                                     const EliminationCandidates& candidates, int width, int limit);

}  // namespace pirumo
