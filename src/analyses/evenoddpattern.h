#pragma once

#include "analyses/analysis.h"
#include "analyses/combinationpattern.h"

namespace pirumo {

// Even numbers are the first class, odd ones the second; the pattern index is the odd count,
// so "A" is five even numbers and "F" five odd ones.
CombinationPatternResult AnalyseEvenOddPattern(const DrawHistory& history);

// Window 偶数奇数の組合せパターン分析.
Analysis EvenOddPatternAnalysis();

}  // namespace pirumo
