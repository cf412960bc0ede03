#include "history/drawhistory.h"

#include <algorithm>

namespace pirumo {

StartupAggregates ComputeStartupAggregates(const std::vector<Draw>& rows) {
    StartupAggregates a;
    if (rows.empty()) {
        return a;
    }
    for (const Draw& d : rows) {
        if (!IsValidDraw(d)) {
            if (HasOtherValue(d)) {
                ++a.skippedOtherValue;
            }
            continue;
        }
        for (auto n : d.numbers) {
            ++a.numberCounts[static_cast<std::size_t>(n)];
        }
        a.lastDrawNumber = d.drawNumber;
        ++a.validDraws;
    }

    a.maxCount = 0;
    a.countGroupRows = 1;
    a.countGroups.assign(1, std::string());
    for (int i = kLowestNumber; i <= kHighestNumber; ++i) {
        const int c = a.numberCounts[static_cast<std::size_t>(i)];
        if (c > a.maxCount) {
            a.maxCount = c;
            a.countGroups.resize(static_cast<std::size_t>(c) + 1);
        }
        std::string& group = a.countGroups[static_cast<std::size_t>(c)];
        if (!group.empty()) {
            group += ',';
            group += std::to_string(i);
        } else {
            group = std::to_string(i);
            ++a.countGroupRows;
        }
    }
    return a;
}

DrawHistory::DrawHistory(std::vector<Draw> rows, bool sample)
    : mRows(std::move(rows)), mSample(sample) {
    std::stable_sort(mRows.begin(), mRows.end(),
                     [](const Draw& x, const Draw& y) { return x.drawNumber < y.drawNumber; });
    mAggregates = ComputeStartupAggregates(mRows);
}

}  // namespace pirumo
