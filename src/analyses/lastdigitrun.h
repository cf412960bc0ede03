#pragma once

#include "analyses/analysiswindowspec.h"

namespace pirumo {

// Window 下一桁連続出現回数分析.
AnalysisWindowSpec LastDigitRunWindow();

}  // namespace pirumo
