#pragma once

#include "analyses/analysiswindowdescription.h"

namespace pirumo {

// Window 分割4傾向分析.
AnalysisWindowDescription FourGroupWindow();

}  // namespace pirumo
