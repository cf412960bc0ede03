#include "prediction/eliminationmethod.h"

#include "prediction/predictiongrids.h"
#include "prediction/valuecellcursor.h"

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
    const std::string& text = candidates[static_cast<std::size_t>(rule)];
    for (int earlier = 0; earlier < rule; ++earlier) {
        if (candidates[static_cast<std::size_t>(earlier)] == text) {
            return false;
        }
    }
    return true;
}

void ComputeElimination(const NumbersByDraw& numbersByDraw, int lastDrawNumber, int reflected,
                        EliminationCandidates& candidates, ResultGrid& eliminationGrid) {
    ValueCellCursor cursor(PredictionGridRows(kEliminationGrid) - 1);
    for (int r = 0; r < kEliminationRuleCount; ++r) {
        const EliminationRule& rule = kEliminationRules[static_cast<std::size_t>(r)];
        const int source = lastDrawNumber - rule.drawsBack - reflected;
        const int value = numbersByDraw.At(source, rule.position) + rule.offset;
        candidates[static_cast<std::size_t>(r)] = std::to_string(WrapNumber(value));
        if (IsNewCandidate(candidates, r)) {
            cursor.Place(eliminationGrid, candidates[static_cast<std::size_t>(r)]);
        }
    }
}

}  // namespace pirumo
