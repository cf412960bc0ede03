#include "prediction/closenumbers.h"

#include <algorithm>

namespace pirumo {

std::vector<int> PredictCloseNumbers(const CycleTable& table,
                                     const EliminationCandidates& candidates, int width,
                                     int limit) {
    std::vector<int> numbers;
    numbers.reserve(static_cast<std::size_t>(limit));
    for (const int e : candidates) {
        for (int slot = 0; slot < CycleTable::kSlots; ++slot) {
            for (int position = 1; position <= CycleTable::kPositions; ++position) {
                const int c = table.At(slot, position);
                if (c == 0) {
                    break;
                }
                if (c - width > e || e > c + width ||
                    std::find(numbers.begin(), numbers.end(), c) != numbers.end()) {
                    continue;
                }
                numbers.push_back(c);
                if (static_cast<int>(numbers.size()) == limit) {
                    return numbers;
                }
            }
        }
    }
    return numbers;
}

}  // namespace pirumo
