#pragma once

#include <array>
#include <vector>

#include "analyses/analysis.h"
#include "analyses/drawnnumbers.h"
#include "history/drawhistory.h"

namespace pirumo {

// One valid draw and, for each of its six numbers, how often that number had been drawn (as a
// main or the bonus number) in the valid draws before it.
struct AppearanceCountRow {
    DrawnNumbers draw;
    std::array<int, Draw::kFieldCount> earlierCounts{};
};

struct AppearanceCountResult {
    int lastDrawNumber = 0;
    std::vector<AppearanceCountRow> rows;  // every valid draw, in 回数 order
};

AppearanceCountResult AnalyseAppearanceCount(const DrawHistory& history);

// Window 出現回数分析.
Analysis AppearanceCountAnalysis();

}  // namespace pirumo
