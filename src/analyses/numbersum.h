#pragma once

#include "analyses/analysiswindowdescription.h"

namespace pirumo {

// Window 数字合計分析.
AnalysisWindowDescription NumberSumWindow();

}  // namespace pirumo
