#pragma once

#include "analyses/analysis.h"
#include "analyses/positionvalues.h"
#include "history/drawhistory.h"

namespace pirumo {

// For every number of every valid draw, its difference from the number at the same position of
// the previous valid draw (the bonus from the previous bonus). The first row of the history has
// none; a valid draw with no valid draw before it but not in the first row is compared with 0,
// so its differences are its numbers.
PositionValueResult AnalyseNumberGap(const DrawHistory& history);

// Window 数字間隔分析.
Analysis NumberGapAnalysis();

}  // namespace pirumo
