#pragma once

#include "analyses/analysiswindowspec.h"

namespace pirumo {

// Window 出現頻度分析.
AnalysisWindowSpec AppearanceFrequencyWindow();

}  // namespace pirumo
