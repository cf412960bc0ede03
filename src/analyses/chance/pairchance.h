#pragma once

#include "analyses/chance/chancereport.h"
#include "analyses/pairs.h"

namespace pirumo {

// The 465 pairs' counts against a fair draw's C(29,3)/C(31,5) per draw, with a chi-square test
// over all of them. Pairs share numbers, so the test is an approximation and says so.
ChanceReport ComparePairs(const PairResult& result, int draws);

}  // namespace pirumo
