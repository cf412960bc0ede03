#pragma once

#include "analyses/analysiswindowdescription.h"

namespace pirumo {

// Window バラツキ分析.
AnalysisWindowDescription DispersionWindow();

}  // namespace pirumo
