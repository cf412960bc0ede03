#pragma once

#include "analyses/analysis.h"
#include "analyses/combinationpattern.h"

namespace pirumo {

// Low numbers 1..15 are the first class, high 16..31 the second; the pattern index is the low
// count, so "A" is five high numbers and "F" five low ones.
CombinationPatternResult AnalyseLowHighPattern(const DrawHistory& history);

// Window 低数字高数字の組合せパターン分析.
Analysis LowHighPatternAnalysis();

}  // namespace pirumo
