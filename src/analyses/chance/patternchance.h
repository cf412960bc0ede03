#pragma once

#include "analyses/chance/chancereport.h"
#include "analyses/combinationpattern.h"

namespace pirumo {

// Draws per pattern A..F against the hypergeometric chance of k low (or odd) numbers among
// the five main numbers.
ChanceReport CompareLowHighPattern(const CombinationPatternResult& result, int draws);
ChanceReport CompareEvenOddPattern(const CombinationPatternResult& result, int draws);

}  // namespace pirumo
