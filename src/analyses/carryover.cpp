#include "analyses/carryover.h"

#include <algorithm>

#include "analyses/carryovergrid.h"
#include "analyses/chance/drawshapechance.h"

namespace pirumo {

CarryOverResult AnalyseCarryOver(const DrawHistory& history) {
    CarryOverResult result;
    result.lastDrawNumber = history.LastDrawNumber();
    result.rows.reserve(history.Rows().size());
    // The previous draw's numbers; the first draw's "previous" 0s match no number.
    std::array<int, Draw::kFieldCount> previous{};
    history.ForEachValidDraw([&](const Draw& draw) {
        CarryOverRow& row = result.rows.emplace_back();
        row.draw = DrawnNumbersOf(draw);
        for (std::size_t i = 0; i < row.carried.size(); ++i) {
            row.carried[i] = std::ranges::find(previous, row.draw.numbers[i]) != previous.end();
        }
        previous = row.draw.numbers;
    });
    return result;
}

Analysis CarryOverAnalysis() {
    return MakeAnalysis("引っ張り分析", "引っ張り分析",
                        "過去の当選数字に前回の数字が入っているか分析します", AnalyseCarryOver,
                        FillCarryOverGrid, CompareCarryOver);
}

}  // namespace pirumo
