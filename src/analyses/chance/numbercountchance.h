#pragma once

#include <string>

#include "analyses/chance/chancereport.h"
#include "analyses/drawnnumbers.h"

namespace pirumo {

// How often each number was drawn over `draws` draws against Binomial(draws, picks/31): picks 5
// for the main numbers alone, 6 with the bonus.
ChanceTable NumberCountTable(std::string title, const PerNumber<int>& counts, int draws, int picks);

// How often each number was drawn, main or bonus, over `draws` draws, against a fair draw's
// 6/31 per draw, with the chi-square test over all 31 numbers.
ChanceReport CompareNumberCounts(const PerNumber<int>& counts, int draws);

// How the 31 counts spread: how many numbers were drawn less often than the 95 % range, in its
// lower or upper half, or more often, against how many a fair draw puts there.
ChanceTable CountSpreadTable(const PerNumber<int>& counts, int draws);

}  // namespace pirumo
