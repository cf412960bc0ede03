#include "analyses/consecutive.h"

#include "analyses/chance/drawshapechance.h"
#include "analyses/consecutivegrid.h"

namespace pirumo {

ConsecutiveResult AnalyseConsecutive(const DrawHistory& history) {
    ConsecutiveResult result;
    result.lastDrawNumber = history.LastDrawNumber();
    result.rows.reserve(history.Rows().size());
    history.ForEachValidDraw([&](const Draw& draw) {
        ConsecutiveRow& row = result.rows.emplace_back();
        row.draw = DrawnNumbersOf(draw);
        for (int i = 0; i < ConsecutiveRow::kPairs; ++i) {
            const int rise = draw.Main(i + 1) - draw.Main(i);
            row.consecutive[static_cast<std::size_t>(i)] = rise == 1;
            row.skipOne[static_cast<std::size_t>(i)] = rise == 2;
        }
    });
    return result;
}

Analysis ConsecutiveAnalysis() {
    return MakeAnalysis("連番飛び石分析", "連番・飛び石分析",
                        "過去の当選番号の連続数字と一つ飛び数字の傾向を分析します",
                        AnalyseConsecutive, FillConsecutiveGrid, CompareConsecutive);
}

}  // namespace pirumo
