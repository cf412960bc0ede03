#pragma once

#include "analyses/analysis.h"

namespace pirumo {

// Window バラツキ分析.
Analysis DispersionAnalysis();

}  // namespace pirumo
