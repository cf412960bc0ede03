#pragma once

#include "analyses/analysiswindowspec.h"

namespace pirumo {

// Window 低数字高数字の組合せパターン分析.
AnalysisWindowSpec LowHighPatternWindow();

}  // namespace pirumo
