#include "analyses/appearancecount.h"

#include "analyses/appearancecountgrid.h"

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
    Analysis analysis;
    analysis.name = "出現回数分析";
    analysis.caption = "出現回数分析";
    analysis.summary = "過去の当選数字が何回出現したか分析します";
    analysis.fillGrid = [](const DrawHistory& history, ResultGrid& grid) {
        FillAppearanceCountGrid(AnalyseAppearanceCount(history), grid);
    };
    return analysis;
}

}  // namespace pirumo
