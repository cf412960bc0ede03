#include "analyses/groupdata.h"

#include "analyses/chance/groupchance.h"
#include "analyses/groupdatagrid.h"

namespace pirumo {

namespace {

GroupDataResult AnalyseGroups(const DrawHistory& history, std::vector<NumberRange> groups) {
    GroupDataResult result;
    result.lastDrawNumber = history.LastDrawNumber();
    result.groups = std::move(groups);
    // Group index of every number, looked up once per number drawn.
    std::array<std::size_t, kHighestNumber + 1> groupOf{};
    for (std::size_t g = 0; g < result.groups.size(); ++g) {
        for (int n = result.groups[g].first; n <= result.groups[g].last; ++n) {
            groupOf[static_cast<std::size_t>(n)] = g;
        }
    }
    result.draws.reserve(history.Rows().size());
    history.ForEachValidDraw([&](const Draw& draw) {
        GroupDataRow row{.drawNumber = draw.drawNumber, .numbers = draw.numbers};
        for (auto number : draw.numbers) {
            ++row.groupCounts[groupOf[static_cast<std::size_t>(number)]];
        }
        result.draws.push_back(row);
    });
    return result;
}

}  // namespace

GroupDataResult AnalyseGroupData6(const DrawHistory& history) {
    return AnalyseGroups(history, {{1, 5}, {6, 10}, {11, 15}, {16, 20}, {21, 25}, {26, 31}});
}

GroupDataResult AnalyseGroupData7(const DrawHistory& history) {
    return AnalyseGroups(history,
                         {{1, 4}, {5, 8}, {9, 12}, {13, 16}, {17, 20}, {21, 24}, {25, 31}});
}

GroupDataResult AnalyseGroupData10(const DrawHistory& history) {
    return AnalyseGroups(history, {{1, 3},
                                   {4, 6},
                                   {7, 9},
                                   {10, 12},
                                   {13, 15},
                                   {16, 18},
                                   {19, 21},
                                   {22, 24},
                                   {25, 27},
                                   {28, 31}});
}

Analysis GroupData6Analysis() {
    return MakeAnalysis("分割6データ分析", "6分割データ分析",
                        "過去の当選番号の６グループに分類して分析します", AnalyseGroupData6,
                        FillGroupData6Grid, CompareGroupData);
}

Analysis GroupData7Analysis() {
    return MakeAnalysis("分割7データ分析", "7分割データ分析",
                        "過去の当選番号の７グループに分類して分析します", AnalyseGroupData7,
                        FillGroupData7Grid, CompareGroupData);
}

Analysis GroupData10Analysis() {
    return MakeAnalysis("分割10データ分析", "10分割データ分析",
                        "過去の当選番号の１０グループに分類して分析します", AnalyseGroupData10,
                        FillGroupData10Grid, CompareGroupData);
}

}  // namespace pirumo
