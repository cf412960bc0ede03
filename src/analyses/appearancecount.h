#pragma once

#include "analyses/analysiswindowdescription.h"

namespace pirumo {

// Window 出現回数分析.
AnalysisWindowDescription AppearanceCountWindow();

}  // namespace pirumo
