#pragma once

#include "analyses/analysiswindowspec.h"

namespace pirumo {

// Window 連番飛び石分析.
AnalysisWindowSpec ConsecutiveWindow();

}  // namespace pirumo
