#pragma once

#include <vector>

#include "analyses/analysis.h"
#include "analyses/chance/chancereport.h"
#include "history/drawhistory.h"

namespace pirumo {

// Two given main numbers come up together in a fair draw with probability C(29,3)/C(31,5),
// that is 5/31 × 4/30.
inline constexpr double kPairChance = 3654.0 / 169911.0;
// How many pairs, furthest from chance, the window marks.
inline constexpr int kMarkedPairs = 5;

// How often two main numbers were drawn together, beside what chance gives over the same draws.
struct PairCount {
    int first = 0;  // first < second
    int second = 0;
    ChanceFigure figure;  // observed draws together; expected, 95 % range
    bool marked = false;  // among the kMarkedPairs furthest from the expectation
};

struct PairResult {
    int draws = 0;                 // valid draws counted
    std::vector<PairCount> pairs;  // all 465 pairs, (1,2), (1,3) .. (30,31)
};

PairResult AnalysePairs(const DrawHistory& history);

// The orders the window lists the pairs in.
enum class PairOrder { ByPair, ByCount, ByDifference };

// Window ペア分析.
Analysis PairAnalysis();

}  // namespace pirumo
