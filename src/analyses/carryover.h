#pragma once

#include "analyses/analysiswindowspec.h"

namespace pirumo {

// Window 引っ張り分析.
AnalysisWindowSpec CarryOverWindow();

}  // namespace pirumo
