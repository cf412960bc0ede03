#pragma once

#include "analyses/analysis.h"

namespace pirumo {

// Window 下一桁連続出現回数分析.
Analysis LastDigitRunAnalysis();

}  // namespace pirumo
