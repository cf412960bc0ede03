#pragma once

#include "analyses/carryover.h"
#include "analyses/chance/chancereport.h"
#include "analyses/consecutive.h"
#include "analyses/dispersion.h"
#include "analyses/numbersum.h"

namespace pirumo {

// The windows of per-draw rows compare the distribution of their per-draw figure with the exact
// one of a fair draw: the sums (数字合計), the span of the main numbers (バラツキ), the pairs of
// neighbours one and two apart (連番飛び石), the numbers the previous draw also had (引っ張り).
ChanceReport CompareNumberSum(const NumberSumResult& result, int draws);
ChanceReport CompareDispersion(const DispersionResult& result, int draws);
ChanceReport CompareConsecutive(const ConsecutiveResult& result, int draws);
ChanceReport CompareCarryOver(const CarryOverResult& result, int draws);

}  // namespace pirumo
