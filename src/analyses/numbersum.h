#pragma once

#include "analyses/analysiswindowspec.h"

namespace pirumo {

// Window 数字合計分析.
AnalysisWindowSpec NumberSumWindow();

}  // namespace pirumo
