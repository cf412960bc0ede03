#pragma once

#include "analyses/analysis.h"

namespace pirumo {

// Window 回数別出現分析.
Analysis AppearanceByCountAnalysis();

}  // namespace pirumo
