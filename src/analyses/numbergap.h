#pragma once

#include "analyses/analysis.h"

namespace pirumo {

// Window 数字間隔分析.
Analysis NumberGapAnalysis();

}  // namespace pirumo
