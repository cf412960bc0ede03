#pragma once

#include "analyses/analysis.h"
#include "analyses/positionvalues.h"
#include "history/drawhistory.h"

namespace pirumo {

// For every number of every valid draw, the interval in draws (a difference of 回数) back to the
// latest earlier valid draw that had it, as a main or the bonus number; empty the first time.
PositionValueResult AnalyseAppearanceInterval(const DrawHistory& history);

// Window 出現間隔分析.
Analysis AppearanceIntervalAnalysis();

}  // namespace pirumo
