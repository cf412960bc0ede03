#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "analyses/analysis.h"
#include "history/drawhistory.h"

namespace pirumo {

// The numbers first..last, both included.
struct NumberRange {
    int first = 0;
    int last = 0;
};

// The six-, seven- and ten-group windows split 1..31 into runs of consecutive numbers.
inline constexpr int kMostNumberGroups = 10;

struct GroupDataRow {
    int drawNumber = 0;
    std::array<std::int16_t, Draw::kFieldCount> numbers{};  // as Draw::numbers, bonus last
    // Numbers of the draw in each group, the bonus included; entries past the result's groups
    // stay 0.
    std::array<int, kMostNumberGroups> groupCounts{};
};

struct GroupDataResult {
    int lastDrawNumber = 0;
    std::vector<NumberRange> groups;  // in number order, covering 1..31
    std::vector<GroupDataRow> draws;  // every valid draw, in history order
};

GroupDataResult AnalyseGroupData6(const DrawHistory& history);
GroupDataResult AnalyseGroupData7(const DrawHistory& history);
GroupDataResult AnalyseGroupData10(const DrawHistory& history);

// Window 分割6データ分析.
Analysis GroupData6Analysis();
// Window 分割7データ分析.
Analysis GroupData7Analysis();
// Window 分割10データ分析.
Analysis GroupData10Analysis();

}  // namespace pirumo
