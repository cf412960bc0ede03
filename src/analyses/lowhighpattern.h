#pragma once

#include "analyses/analysiswindowdescription.h"

namespace pirumo {

// Window 低数字高数字の組合せパターン分析.
AnalysisWindowDescription LowHighPatternWindow();

}  // namespace pirumo
