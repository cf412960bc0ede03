#pragma once

#include "analyses/analysiswindowspec.h"

namespace pirumo {

// Window 分割6データ分析.
AnalysisWindowSpec GroupData6Window();
// Window 分割7データ分析.
AnalysisWindowSpec GroupData7Window();
// Window 分割10データ分析.
AnalysisWindowSpec GroupData10Window();

}  // namespace pirumo
