#pragma once

#include "analyses/analysiswindowdescription.h"

namespace pirumo {

// Window 出現間隔分析.
AnalysisWindowDescription AppearanceIntervalWindow();

}  // namespace pirumo
