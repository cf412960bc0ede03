#pragma once

#include "analyses/analysiswindowdescription.h"

namespace pirumo {

// Window 分割6データ分析.
AnalysisWindowDescription GroupData6Window();
// Window 分割7データ分析.
AnalysisWindowDescription GroupData7Window();
// Window 分割10データ分析.
AnalysisWindowDescription GroupData10Window();

}  // namespace pirumo
