#pragma once

#include "analyses/analysiswindowdescription.h"

namespace pirumo {

// Window 引っ張り分析.
AnalysisWindowDescription CarryOverWindow();

}  // namespace pirumo
