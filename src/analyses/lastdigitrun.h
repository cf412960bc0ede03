#pragma once

#include "analyses/analysis.h"

namespace pirumo {

// Window 下一桁連続出現回数分析; its numbers are the run counts of AnalyseLastDigit.
Analysis LastDigitRunAnalysis();

}  // namespace pirumo
