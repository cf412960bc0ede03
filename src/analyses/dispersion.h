#pragma once

#include "analyses/analysiswindowspec.h"

namespace pirumo {

// Window バラツキ分析.
AnalysisWindowSpec DispersionWindow();

}  // namespace pirumo
