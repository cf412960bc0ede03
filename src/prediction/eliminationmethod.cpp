#include "prediction/eliminationmethod.h"

namespace pirumo {

int WrapNumber(int value) {
    if (value >= 32) {
        return value - 31;
    }
    if (value <= 0) {
        return value + 31;
    }
    return value;
}

bool IsNewCandidate(const EliminationCandidates& candidates, int rule) {
    const int number = candidates[static_cast<std::size_t>(rule)];
    for (int earlier = 0; earlier < rule; ++earlier) {
        if (candidates[static_cast<std::size_t>(earlier)] == number) {
            return false;
        }
    }
    return true;
}

EliminationCandidates ComputeElimination(const NumbersByDraw& numbersByDraw, int lastDrawNumber,
                                         int reflected) {
    EliminationCandidates candidates{};
    for (int r = 0; r < kEliminationRuleCount; ++r) {
        const EliminationRule& rule = kEliminationRules[static_cast<std::size_t>(r)];
        const int source = lastDrawNumber - rule.drawsBack - reflected;
        candidates[static_cast<std::size_t>(r)] =
            WrapNumber(numbersByDraw.At(source, rule.position) + rule.offset);
    }
    return candidates;
}

std::vector<int> DistinctCandidates(const EliminationCandidates& candidates) {
    std::vector<int> numbers;
    numbers.reserve(candidates.size());
    for (int r = 0; r < kEliminationRuleCount; ++r) {
        if (IsNewCandidate(candidates, r)) {
            numbers.push_back(candidates[static_cast<std::size_t>(r)]);
        }
    }
    return numbers;
}

}  // namespace pirumo
