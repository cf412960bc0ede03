#pragma once

#include "analyses/analysiswindowdescription.h"

namespace pirumo {

// Window 連番飛び石分析.
AnalysisWindowDescription ConsecutiveWindow();

}  // namespace pirumo
