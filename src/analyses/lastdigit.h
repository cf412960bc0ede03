#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "analyses/analysis.h"
#include "history/drawhistory.h"

namespace pirumo {

// What the two last-digit windows show: the last digits 0..9 of a draw's six numbers, bonus
// included, and how long each digit has kept coming back.
inline constexpr int kLastDigitCount = 10;

struct LastDigitRow {
    int drawNumber = 0;
    std::array<std::int16_t, Draw::kFieldCount> numbers{};  // as Draw::numbers, bonus last
    std::array<int, kLastDigitCount> digitCounts{};  // numbers of the draw ending in each digit
    // Per digit, its run by this draw: every number ending in it that comes in the draw after
    // the digit's previous one, or in the same draw, adds one; a draw between without it starts
    // again from nothing. 0 when the run does not go on in this draw.
    std::array<int, kLastDigitCount> runCounts{};
};

struct LastDigitResult {
    int lastDrawNumber = 0;
    std::vector<LastDigitRow> draws;  // every valid draw, in history order
};

// The one computation behind both last-digit windows.
LastDigitResult AnalyseLastDigit(const DrawHistory& history);

// Window 下一桁出現傾向分析.
Analysis LastDigitAnalysis();

}  // namespace pirumo
