#pragma once

#include <vector>

#include "analyses/chance/chancereport.h"
#include "chart/chart.h"

namespace pirumo {

// How many of the most and of the least drawn numbers a chart picks out as hot and cold.
inline constexpr int kHotColdCount = 3;

// The グラフ tab of an analysis window, one chart per table of its comparison with chance:
// the observed counts as bars over the 95 % range of a fair draw and its expectation, figures
// outside the range marked. Counts per number colour the most and least drawn numbers of the
// range (hot and cold); a distribution (sums, patterns, intervals) is drawn class by class.
std::vector<Chart> ChanceCharts(const ChanceReport& report);

}  // namespace pirumo
