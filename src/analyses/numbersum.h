#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "analyses/analysis.h"
#include "history/drawhistory.h"

namespace pirumo {

// One valid draw of the 数字合計分析 window.
struct NumberSumRow {
    int drawNumber = 0;
    std::array<std::int16_t, Draw::kFieldCount> numbers{};  // as Draw::numbers, bonus last
    int mainTotal = 0;                                      // the five main numbers
    int total = 0;                                          // the main numbers and the bonus
};

struct NumberSumResult {
    int lastDrawNumber = 0;
    std::vector<NumberSumRow> draws;  // every valid draw, in history order
};

NumberSumResult AnalyseNumberSum(const DrawHistory& history);

// Window 数字合計分析.
Analysis NumberSumAnalysis();

}  // namespace pirumo
