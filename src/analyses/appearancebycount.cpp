#include "analyses/appearancebycount.h"

#include <map>

#include "analyses/appearancebycountgrid.h"

namespace pirumo {

AppearanceByCountResult AnalyseAppearanceByCount(const DrawHistory& history) {
    AppearanceByCountResult result;
    // The history's aggregates give a history of invalid rows only a group of count 0, and one
    // without rows no group at all.
    if (history.Rows().empty()) {
        return result;
    }
    std::map<int, std::vector<int>> numbersByCount;
    const auto& counts = history.NumberCounts();
    for (int n = kLowestNumber; n <= kHighestNumber; ++n) {
        numbersByCount[counts[static_cast<std::size_t>(n)]].push_back(n);
    }
    for (auto& [count, numbers] : numbersByCount) {
        result.groups.push_back({.count = count, .numbers = std::move(numbers)});
    }
    return result;
}

Analysis AppearanceByCountAnalysis() {
    Analysis analysis;
    analysis.name = "回数別出現分析";
    analysis.caption = "回数別頻度分析";
    analysis.summary = "過去の当選番号から出現回数別の数字を分析します";
    analysis.fillGrid = [](const DrawHistory& history, ResultGrid& grid) {
        FillAppearanceByCountGrid(AnalyseAppearanceByCount(history), grid);
    };
    return analysis;
}

}  // namespace pirumo
