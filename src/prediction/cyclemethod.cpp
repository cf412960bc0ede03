#include "prediction/cyclemethod.h"

#include <algorithm>

namespace pirumo {

void RecordCycleHit(CycleTable& table, int gap, int position, int number) {
    for (int slot = 0; slot < CycleTable::kSlots; ++slot) {
        if (kCycleGaps[static_cast<std::size_t>(slot)] == gap) {
            table.Set(slot, position, number);
            return;
        }
    }
}

void AddCycleDraw(const Draw& draw, NumbersByDraw& numbersByDraw, CycleTable& table) {
    const int n = draw.drawNumber;
    if (n < 1) {
        return;  // no place in the table; the history file never holds such draws
    }
    numbersByDraw.Store(draw);
    for (int position = 1; position <= NumbersByDraw::kPositions; ++position) {
        const int number = draw.numbers[static_cast<std::size_t>(position - 1)];
        // A hit further back than the longest gap records nothing.
        for (int m = n - 1; m >= std::max(1, n - kCycleGaps.back()); --m) {
            if (numbersByDraw.Holds(m, number)) {
                RecordCycleHit(table, n - m, position, number);
                break;
            }
        }
    }
}

void ComputeCycleTable(const DrawHistory& history, NumbersByDraw& numbersByDraw,
                       CycleTable& table) {
    history.ForEachValidDraw([&](const Draw& draw) { AddCycleDraw(draw, numbersByDraw, table); });
}

}  // namespace pirumo
