#pragma once

#include "analyses/analysiswindowspec.h"

namespace pirumo {

// Window 出現間隔分析.
AnalysisWindowSpec AppearanceIntervalWindow();

}  // namespace pirumo
