#include "analyses/fourgroup.h"

#include <algorithm>

#include "analyses/chance/groupchance.h"
#include "analyses/fourgroupgrid.h"

namespace pirumo {

int FourGroupOf(int number) {
    return std::min(number / 10, kFourGroupCount - 1);
}

FourGroupResult AnalyseFourGroup(const DrawHistory& history) {
    FourGroupResult result;
    result.lastDrawNumber = history.LastDrawNumber();
    result.draws.reserve(history.Rows().size());
    history.ForEachValidDraw([&](const Draw& draw) {
        FourGroupRow row{.drawNumber = draw.drawNumber, .numbers = draw.numbers};
        for (auto number : draw.numbers) {
            ++row.groupCounts[static_cast<std::size_t>(FourGroupOf(number))];
        }
        result.draws.push_back(row);
    });
    return result;
}

Analysis FourGroupAnalysis() {
    return MakeAnalysis("分割4傾向分析", "4分割傾向分析",
                        "過去の当選番号の４グループに分類して分析します", AnalyseFourGroup,
                        FillFourGroupGrid, CompareFourGroup);
}

}  // namespace pirumo
