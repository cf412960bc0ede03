#pragma once

#include <array>
#include <vector>

#include "analyses/analysis.h"
#include "analyses/drawnnumbers.h"
#include "history/drawhistory.h"

namespace pirumo {

// One valid draw and its neighbouring main-number fields, in field order, whose later number is
// exactly one (a consecutive pair) or exactly two (a skip-one pair) above the earlier one.
struct ConsecutiveRow {
    static constexpr int kPairs = 4;  // fields 1-2, 2-3, 3-4, 4-5

    DrawnNumbers draw;
    std::array<bool, kPairs> consecutive{};  // [i]: draw.Main(i) and draw.Main(i + 1)
    std::array<bool, kPairs> skipOne{};
};

struct ConsecutiveResult {
    int lastDrawNumber = 0;
    std::vector<ConsecutiveRow> rows;  // every valid draw, in 回数 order
};

ConsecutiveResult AnalyseConsecutive(const DrawHistory& history);

// Window 連番飛び石分析.
Analysis ConsecutiveAnalysis();

}  // namespace pirumo
