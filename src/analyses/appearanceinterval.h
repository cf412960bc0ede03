#pragma once

#include "analyses/analysis.h"

namespace pirumo {

// Window 出現間隔分析.
Analysis AppearanceIntervalAnalysis();

}  // namespace pirumo
