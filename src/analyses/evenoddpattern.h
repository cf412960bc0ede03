#pragma once

#include "analyses/analysiswindowspec.h"

namespace pirumo {

// Window 偶数奇数の組合せパターン分析.
AnalysisWindowSpec EvenOddPatternWindow();

}  // namespace pirumo
