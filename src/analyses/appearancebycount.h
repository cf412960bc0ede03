#pragma once

#include "analyses/analysiswindowdescription.h"

namespace pirumo {

// Window 回数別出現分析.
AnalysisWindowDescription AppearanceByCountWindow();

}  // namespace pirumo
