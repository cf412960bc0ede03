#pragma once

#include "analyses/analysis.h"

namespace pirumo {

// Window 数字合計分析.
Analysis NumberSumAnalysis();

}  // namespace pirumo
