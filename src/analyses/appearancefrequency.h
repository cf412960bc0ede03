#pragma once

#include "analyses/analysis.h"

namespace pirumo {

// Window 出現頻度分析.
Analysis AppearanceFrequencyAnalysis();

}  // namespace pirumo
