#include "analyses/appearancecount.h"

#include "analyses/appearancecountgrid.h"
#include "analyses/chance/appearancechance.h"

namespace pirumo {

AppearanceCountResult AnalyseAppearanceCount(const DrawHistory& history) {
    AppearanceCountResult result;
    result.lastDrawNumber = history.LastDrawNumber();
    result.rows.reserve(history.Rows().size());
    PerNumber<int> runningCounts{};
    history.ForEachValidDraw([&](const Draw& draw) {
        AppearanceCountRow& row = result.rows.emplace_back();
        row.draw = DrawnNumbersOf(draw);
        for (std::size_t i = 0; i < row.earlierCounts.size(); ++i) {
            row.earlierCounts[i] = runningCounts[static_cast<std::size_t>(draw.numbers[i])];
        }
        for (auto number : draw.numbers) {
            ++runningCounts[static_cast<std::size_t>(number)];
        }
    });
    return result;
}

Analysis AppearanceCountAnalysis() {
    return MakeAnalysis("出現回数分析", "出現回数分析", "過去の当選数字が何回出現したか分析します",
                        AnalyseAppearanceCount, FillAppearanceCountGrid, CompareAppearanceCount);
}

}  // namespace pirumo
