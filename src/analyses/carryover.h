#pragma once

#include "analyses/analysis.h"

namespace pirumo {

// Window 引っ張り分析.
Analysis CarryOverAnalysis();

}  // namespace pirumo
