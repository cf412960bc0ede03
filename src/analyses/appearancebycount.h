#pragma once

#include <vector>

#include "analyses/analysis.h"
#include "history/drawhistory.h"

namespace pirumo {

// The numbers that were drawn (main or bonus) the same number of times.
struct CountGroup {
    int count = 0;
    std::vector<int> numbers;  // ascending

    friend bool operator==(const CountGroup&, const CountGroup&) = default;
};

struct AppearanceByCountResult {
    // Ascending by count, one per count that some number has; none for a history without rows.
    std::vector<CountGroup> groups;
};

AppearanceByCountResult AnalyseAppearanceByCount(const DrawHistory& history);

// Window 回数別出現分析.
Analysis AppearanceByCountAnalysis();

}  // namespace pirumo
