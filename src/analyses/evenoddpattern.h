#pragma once

#include "analyses/analysiswindowdescription.h"

namespace pirumo {

// Window 偶数奇数の組合せパターン分析.
AnalysisWindowDescription EvenOddPatternWindow();

}  // namespace pirumo
