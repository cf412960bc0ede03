#pragma once

#include "analyses/analysis.h"

namespace pirumo {

// Window 下一桁出現傾向分析.
Analysis LastDigitAnalysis();

}  // namespace pirumo
