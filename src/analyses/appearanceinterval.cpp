#include "analyses/appearanceinterval.h"

#include "analyses/appearanceintervalgrid.h"
#include "analyses/chance/intervalchance.h"

namespace pirumo {

PositionValueResult AnalyseAppearanceInterval(const DrawHistory& history) {
    PositionValueResult result;
    result.lastDrawNumber = history.LastDrawNumber();
    result.rows.reserve(history.Rows().size());
    PerNumber<int> lastDrawnIn{};  // 回数 of the latest draw with the number; 0 = not yet drawn
    int historyIndex = 0;
    for (const Draw& draw : history.Rows()) {
        if (IsValidDraw(draw)) {
            PositionValueRow& row = result.rows.emplace_back();
            row.draw = DrawnNumbersOf(draw);
            row.historyIndex = historyIndex;
            const int n = draw.drawNumber;
            for (std::size_t k = 0; k < row.values.size(); ++k) {
                const int m = lastDrawnIn[static_cast<std::size_t>(draw.numbers[k])];
                // A row with the same 回数 is no earlier draw.
                if (m > 0 && m < n) {
                    row.values[k] = n - m;
                }
            }
            for (auto v : draw.numbers) {
                lastDrawnIn[static_cast<std::size_t>(v)] = n;
            }
        }
        ++historyIndex;
    }
    return result;
}

Analysis AppearanceIntervalAnalysis() {
    return MakeAnalysis(
        "出現間隔分析", "出現間隔分析", "過去の当選数字が何回前に出現しているか分析します",
        AnalyseAppearanceInterval, FillAppearanceIntervalGrid, CompareAppearanceInterval);
}

}  // namespace pirumo
