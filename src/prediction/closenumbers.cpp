#include "prediction/closenumbers.h"

#include <string>

#include "prediction/predictiongrids.h"
#include "prediction/valuecellcursor.h"

namespace pirumo {

void PredictCloseNumbers(const CycleTable& table, const EliminationCandidates& candidates,
                         int width, ResultGrid& grid, int index) {
    ValueCellCursor cursor(PredictionGridRows(index) - 1);
    for (const std::string& candidate : candidates) {
        if (candidate.empty()) {
            continue;  // not computed yet
        }
        const int e = std::stoi(candidate);
        for (int slot = 0; slot < CycleTable::kSlots; ++slot) {
            for (int position = 1; position <= CycleTable::kPositions; ++position) {
                const std::string& entry = table.At(slot, position);
                if (entry.empty()) {
                    break;
                }
                const int c = std::stoi(entry);
                if (c - width > e || e > c + width) {
                    continue;
                }
                if (IsNotInGrid(grid, index, entry)) {
                    cursor.Place(grid, entry);
                }
                if (cursor.Full()) {
                    return;
                }
            }
        }
    }
}

}  // namespace pirumo
