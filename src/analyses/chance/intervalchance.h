#pragma once

#include "analyses/chance/chancereport.h"
#include "analyses/positionvalues.h"

namespace pirumo {

// 出現間隔: the intervals back to each number's previous appearance against the geometric chance
// 6/31 per draw, counted only where both ends lie in the range.
ChanceReport CompareAppearanceInterval(const PositionValueResult& result, int draws);

// 数字間隔: the differences from the previous draw's number in the same field against two fair
// draws' (the k-th smallest main numbers; two independent bonus numbers), the main numbers'
// ranges and test simulated with a fixed seed.
ChanceReport CompareNumberGap(const PositionValueResult& result, int draws);

}  // namespace pirumo
