#pragma once

#include "analyses/analysiswindowdescription.h"

namespace pirumo {

// Window 下一桁連続出現回数分析.
AnalysisWindowDescription LastDigitRunWindow();

}  // namespace pirumo
