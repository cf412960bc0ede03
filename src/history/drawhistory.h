#pragma once

#include <array>
#include <string>
#include <vector>

#include "history/draw.h"

namespace pirumo {

// Counts taken once over the valid draws when the history is opened.
struct StartupAggregates {
    // NumberCounts[n]: valid draws in which n was drawn, main or bonus (index 1..31 used).
    std::array<int, kHighestNumber + 1> numberCounts{};
    int lastDrawNumber = 0;  // 回数 of the last valid row; 0 when there is none
    int validDraws = 0;      // rows whose six numbers are all 1..31
    int maxCount = 0;        // highest of numberCounts[1..31]
    // countGroups[c]: the numbers whose count is c, ascending, joined by ","; "" when none.
    // Empty (not even index 0) when the history has no rows at all.
    std::vector<std::string> countGroups;
    int countGroupRows = 0;     // 1 + number of distinct counts among 1..31; 0 with no rows
    int skippedOtherValue = 0;  // rows skipped for a value other than empty
};

StartupAggregates ComputeStartupAggregates(const std::vector<Draw>& rows);

// The start-up snapshot: every row of the saved query in ascending 回数 order, and the
// aggregates over its valid rows. Read-only once built.
class DrawHistory {
public:
    DrawHistory() = default;
    // `sample`: the draws were made up (pirumo-cli sample), not published.
    explicit DrawHistory(std::vector<Draw> rows, bool sample = false);

    const std::vector<Draw>& Rows() const { return mRows; }
    const StartupAggregates& Aggregates() const { return mAggregates; }

    const std::array<int, kHighestNumber + 1>& NumberCounts() const {
        return mAggregates.numberCounts;
    }
    int LastDrawNumber() const { return mAggregates.lastDrawNumber; }
    int ValidDrawCount() const { return mAggregates.validDraws; }
    int MaxCount() const { return mAggregates.maxCount; }
    const std::vector<std::string>& CountGroups() const { return mAggregates.countGroups; }
    int CountGroupRows() const { return mAggregates.countGroupRows; }
    bool IsSample() const { return mSample; }

    // Calls f(draw) for every valid row, in 回数 order.
    template <typename F>
    void ForEachValidDraw(F&& f) const {
        for (const Draw& d : mRows) {
            if (IsValidDraw(d)) {
                f(d);
            }
        }
    }

private:
    std::vector<Draw> mRows;
    StartupAggregates mAggregates;
    bool mSample = false;
};

}  // namespace pirumo
