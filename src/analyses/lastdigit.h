#pragma once

#include "analyses/analysiswindowdescription.h"

namespace pirumo {

// Window 下一桁出現傾向分析.
AnalysisWindowDescription LastDigitWindow();

}  // namespace pirumo
