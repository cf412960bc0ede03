#pragma once

#include "analyses/analysiswindowdescription.h"

namespace pirumo {

// Window 出現頻度分析.
AnalysisWindowDescription AppearanceFrequencyWindow();

}  // namespace pirumo
