#pragma once

#include "analyses/analysiswindowspec.h"

namespace pirumo {

// Window 回数別出現分析.
AnalysisWindowSpec AppearanceByCountWindow();

}  // namespace pirumo
