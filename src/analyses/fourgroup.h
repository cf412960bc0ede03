#pragma once

#include "analyses/analysis.h"

namespace pirumo {

// Window 分割4傾向分析.
Analysis FourGroupAnalysis();

}  // namespace pirumo
