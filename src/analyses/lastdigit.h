#pragma once

#include "analyses/analysiswindowspec.h"

namespace pirumo {

// Window 下一桁出現傾向分析.
AnalysisWindowSpec LastDigitWindow();

}  // namespace pirumo
