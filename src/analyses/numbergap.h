#pragma once

#include "analyses/analysiswindowdescription.h"

namespace pirumo {

// Window 数字間隔分析.
AnalysisWindowDescription NumberGapWindow();

}  // namespace pirumo
