#include "analyses/numbersum.h"

#include "analyses/chance/drawshapechance.h"
#include "analyses/numbersumgrid.h"

namespace pirumo {

NumberSumResult AnalyseNumberSum(const DrawHistory& history) {
    NumberSumResult result;
    result.lastDrawNumber = history.LastDrawNumber();
    result.draws.reserve(history.Rows().size());
    history.ForEachValidDraw([&](const Draw& draw) {
        NumberSumRow row{.drawNumber = draw.drawNumber, .numbers = draw.numbers};
        for (int i = 0; i < 5; ++i) {
            row.mainTotal += draw.Main(i);
        }
        row.total = row.mainTotal + draw.Bonus();
        result.draws.push_back(row);
    });
    return result;
}

Analysis NumberSumAnalysis() {
    return MakeAnalysis("数字合計分析", "数字合計分析",
                        "過去の当選番号の本数字＋ボーナス数字合計を分析します", AnalyseNumberSum,
                        FillNumberSumGrid, CompareNumberSum);
}

}  // namespace pirumo
