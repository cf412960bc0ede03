#include "prediction/cyclemethod.h"

#include <string>

namespace pirumo {

void RecordCycleHit(CycleTable& table, int gap, int position, std::string_view text) {
    for (int slot = 0; slot < CycleTable::kSlots; ++slot) {
        if (kCycleGaps[static_cast<std::size_t>(slot)] == gap) {
            table.Set(slot, position, std::string(text));
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
        for (int m = n - 1; m >= 1; --m) {
            if (numbersByDraw.Holds(m, number)) {
                RecordCycleHit(table, n - m, position, std::to_string(number));
                break;
            }
        }
    }
}

void ComputeCycleTable(const DrawHistory& history, NumbersByDraw& numbersByDraw,
                       CycleTable& table) {
    history.ForEachValidDraw([&](const Draw& draw) { AddCycleDraw(draw, numbersByDraw, table); });
}

void ShowCycleTable(const CycleTable& table, ResultGrid& cycleGrid) {
    for (int slot = 0; slot < CycleTable::kSlots; ++slot) {
        for (int position = 1; position <= 5; ++position) {
            cycleGrid.SetCellText(position + 1, slot + 2, table.At(slot, position));
        }
    }
}

}  // namespace pirumo
