#pragma once

#include "analyses/analysiswindowspec.h"

namespace pirumo {

// Window 出現回数分析.
AnalysisWindowSpec AppearanceCountWindow();

}  // namespace pirumo
