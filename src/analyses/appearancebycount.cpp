#include "analyses/appearancebycount.h"

#include <algorithm>
#include <array>
#include <numeric>

#include "analyses/appearancebycountgrid.h"
#include "analyses/chance/appearancechance.h"

namespace pirumo {

AppearanceByCountResult AnalyseAppearanceByCount(const DrawHistory& history) {
    AppearanceByCountResult result;
    // As in the history's aggregates: a history without rows has no group at all, while one of
    // invalid rows only has every number in the group of count 0.
    if (history.Rows().empty()) {
        return result;
    }
    const auto& counts = history.NumberCounts();
    std::array<int, kHighestNumber> numbers{};
    std::iota(numbers.begin(), numbers.end(), kLowestNumber);
    std::ranges::stable_sort(numbers, {},
                             [&](int n) { return counts[static_cast<std::size_t>(n)]; });
    for (int n : numbers) {
        const int count = counts[static_cast<std::size_t>(n)];
        if (result.groups.empty() || result.groups.back().count != count) {
            result.groups.push_back({.count = count, .numbers = {}});
        }
        result.groups.back().numbers.push_back(n);
    }
    return result;
}

Analysis AppearanceByCountAnalysis() {
    return MakeAnalysis("回数別出現分析", "回数別頻度分析",
                        "過去の当選番号から出現回数別の数字を分析します", AnalyseAppearanceByCount,
                        FillAppearanceByCountGrid, CompareAppearanceByCount);
}

}  // namespace pirumo
