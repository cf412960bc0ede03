#pragma once

#include "analyses/analysis.h"

namespace pirumo {

// Window 出現回数分析.
Analysis AppearanceCountAnalysis();

}  // namespace pirumo
