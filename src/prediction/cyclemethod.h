#pragma once

#include "history/drawhistory.h"
#include "prediction/cycletable.h"
#include "prediction/numbersbydraw.h"

namespace pirumo {

// Stores number at the slot of a gap of 7, 9, 11 or 12 draws and the position; other gaps change
// nothing.
void RecordCycleHit(CycleTable& table, int gap, int position, int number);

// Stores one valid draw in numbersByDraw and records, for each of its six numbers, the gap to the
// newest earlier stored draw holding it (main or bonus). Draws go in 回数 order.
void AddCycleDraw(const Draw& draw, NumbersByDraw& numbersByDraw, CycleTable& table);

// One pass over the valid draws in 回数 order: stores each draw in numbersByDraw, then for each of
// its six numbers finds the newest earlier draw holding it (main or bonus) and records the gap in
// draw numbers. The table is not emptied first: entries no draw reaches keep their content.
void ComputeCycleTable(const DrawHistory& history, NumbersByDraw& numbersByDraw, CycleTable& table);

}  // namespace pirumo
