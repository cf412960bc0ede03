#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "analyses/analysis.h"
#include "history/drawhistory.h"

namespace pirumo {

// The four groups of the 分割4傾向分析 window, by tens: 01-09, 10-19, 20-29, 30-31.
inline constexpr int kFourGroupCount = 4;

// Group index 0..3 of a number 1..31: its tens, 30 and 31 making the last group.
int FourGroupOf(int number);

struct FourGroupRow {
    int drawNumber = 0;
    std::array<std::int16_t, Draw::kFieldCount> numbers{};  // as Draw::numbers, bonus last
    std::array<int, kFourGroupCount> groupCounts{};         // the six numbers, bonus included
};

struct FourGroupResult {
    int lastDrawNumber = 0;
    std::vector<FourGroupRow> draws;  // every valid draw, in history order
};

FourGroupResult AnalyseFourGroup(const DrawHistory& history);

// Window 分割4傾向分析.
Analysis FourGroupAnalysis();

}  // namespace pirumo
