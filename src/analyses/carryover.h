#pragma once

#include <array>
#include <vector>

#include "analyses/analysis.h"
#include "analyses/drawnnumbers.h"
#include "history/drawhistory.h"

namespace pirumo {

// One valid draw and which of its numbers the previous valid draw also had, as a main or the
// bonus number there, whatever the role here.
struct CarryOverRow {
    DrawnNumbers draw;
    std::array<bool, Draw::kFieldCount> carried{};  // carried[k] for draw.numbers[k]
};

struct CarryOverResult {
    int lastDrawNumber = 0;
    std::vector<CarryOverRow> rows;  // every valid draw, in 回数 order
};

CarryOverResult AnalyseCarryOver(const DrawHistory& history);

// Window 引っ張り分析.
Analysis CarryOverAnalysis();

}  // namespace pirumo
