#pragma once

#include "analyses/analysis.h"

namespace pirumo {

// Window 偶数奇数の組合せパターン分析.
Analysis EvenOddPatternAnalysis();

}  // namespace pirumo
