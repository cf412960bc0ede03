#pragma once

#include "analyses/analysiswindowspec.h"

namespace pirumo {

// Window 分割4傾向分析.
AnalysisWindowSpec FourGroupWindow();

}  // namespace pirumo
