#pragma once

#include "analyses/analysiswindowspec.h"

namespace pirumo {

// Window 数字間隔分析.
AnalysisWindowSpec NumberGapWindow();

}  // namespace pirumo
