#pragma once

#include <array>
#include <vector>

#include "prediction/numbersbydraw.h"

namespace pirumo {

// One rule: the source draw lies drawsBack draws before the newest one (further back by the
// number of reflected options); position 1..5 = 第1数字..第5数字, 6 = ボーナス数字.
struct EliminationRule {
    int drawsBack;
    int position;
    int offset;
};

inline constexpr int kEliminationRuleCount = 15;
inline constexpr std::array<EliminationRule, kEliminationRuleCount> kEliminationRules{{
    {1, 1, 10},
    {1, 2, 18},
    {2, 1, 0},
    {2, 6, -7},
    {2, 5, 8},
    {6, 2, -5},
    {7, 1, 3},
    {7, 5, 11},
    {7, 6, 14},
    {8, 1, 7},
    {8, 5, 16},
    {8, 6, -9},
    {9, 1, 4},
    {9, 2, 1},
    {9, 4, 19},
}};

// One candidate per rule, a number 1..31.
using EliminationCandidates = std::array<int, kEliminationRuleCount>;

// Brings a value back into 1..31 with one step of ±31.
int WrapNumber(int value);

// True when candidate `rule` differs from every earlier candidate.
bool IsNewCandidate(const EliminationCandidates& candidates, int rule);

// The fifteen candidates. A source draw that is missing, skipped or before draw 1 reads as 0.
EliminationCandidates ComputeElimination(const NumbersByDraw& numbersByDraw, int lastDrawNumber,
                                         int reflected);

// What the elimination method proposes: the distinct candidates in rule order.
std::vector<int> DistinctCandidates(const EliminationCandidates& candidates);

}  // namespace pirumo
