#pragma once

#include <string>
#include "analyses/chance/chancereport.h"

#include "grid/resultgrid.h"

namespace pirumo {

// The grid's first rows: the test, its verdict, the figures outside and the reminder.
inline constexpr int kChanceGridHeadingRows = 4;

// The 偶然との比較 table of a report: the overall test, the figures outside and the reminder on
// top, then each table of figures with observed, expected, 95 % range and a mark for those
// outside it. The window's panel and `show --chance` as text and CSV are all this grid.
void FillChanceGrid(const ChanceReport& report, ResultGrid& grid);

// The test as one line: 「カイ二乗検定（…）: 統計量 31.2（自由度 30）、p = 0.41」.
std::string ChanceTestLine(const ChanceTest& test);

}  // namespace pirumo
