#pragma once

#include "analyses/analysis.h"

namespace pirumo {

// Window 低数字高数字の組合せパターン分析.
Analysis LowHighPatternAnalysis();

}  // namespace pirumo
