#pragma once

#include "analyses/analysis.h"

namespace pirumo {

// Window 連番飛び石分析.
Analysis ConsecutiveAnalysis();

}  // namespace pirumo
