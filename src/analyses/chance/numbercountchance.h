#pragma once

#include "analyses/chance/chancereport.h"
#include "analyses/drawnnumbers.h"

namespace pirumo {

// How often each number was drawn, main or bonus, over `draws` draws, against a fair draw's
// 6/31 per draw, with the chi-square test over all 31 numbers.
ChanceReport CompareNumberCounts(const PerNumber<int>& counts, int draws);

}  // namespace pirumo
