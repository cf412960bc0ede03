#include "analyses/numbergap.h"

#include "analyses/chance/intervalchance.h"
#include "analyses/numbergapgrid.h"

namespace pirumo {

PositionValueResult AnalyseNumberGap(const DrawHistory& history) {
    PositionValueResult result;
    result.lastDrawNumber = history.LastDrawNumber();
    result.rows.reserve(history.Rows().size());
    std::array<int, Draw::kFieldCount> previous{};
    int historyIndex = 0;
    for (const Draw& draw : history.Rows()) {
        if (IsValidDraw(draw)) {
            PositionValueRow& row = result.rows.emplace_back();
            row.draw = DrawnNumbersOf(draw);
            row.historyIndex = historyIndex;
            for (std::size_t i = 0; i < previous.size(); ++i) {
                if (historyIndex > 0) {
                    row.values[i] = draw.numbers[i] - previous[i];
                }
                previous[i] = draw.numbers[i];
            }
        }
        ++historyIndex;
    }
    return result;
}

Analysis NumberGapAnalysis() {
    return MakeAnalysis("数字間隔分析", "数字間隔分析",
                        "当選数字を第１数字～第５数字別に前回数字との数字の間隔を分析します",
                        AnalyseNumberGap, FillNumberGapGrid, CompareNumberGap);
}

}  // namespace pirumo
