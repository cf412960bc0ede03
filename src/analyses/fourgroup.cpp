#include "analyses/fourgroup.h"

#include "analyses/fourgroupgrid.h"

namespace pirumo {

int FourGroupOf(int number) {
    if (number >= 1 && number <= 9) {
        return 0;
    }
    if (number >= 10 && number <= 19) {
        return 1;
    }
    if (number >= 20 && number <= 29) {
        return 2;
    }
    return 3;
}

FourGroupResult AnalyseFourGroup(const DrawHistory& history) {
    FourGroupResult result;
    result.lastDrawNumber = history.LastDrawNumber();
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
    Analysis analysis;
    analysis.name = "分割4傾向分析";
    analysis.caption = "4分割傾向分析";
    analysis.summary = "過去の当選番号の４グループに分類して分析します";
    analysis.fillGrid = [](const DrawHistory& history, ResultGrid& grid) {
        FillFourGroupGrid(AnalyseFourGroup(history), grid);
    };
    return analysis;
}

}  // namespace pirumo
