#pragma once

#include <string>

#include "prediction/cycletable.h"
#include "prediction/eliminationmethod.h"

namespace pirumo {

// Walks the entries of the cycle table that lie within `width` of an elimination candidate, in
// the order the composite predictions consider them: every candidate (repeats too), slot 0..3,
// position 1..6; the first empty entry ends a slot. `accept(text)` returns false to end the scan.
template <typename Accept>
void ScanCloseEntries(const CycleTable& table, const EliminationCandidates& candidates, int width,
                      Accept&& accept) {
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
                if (c - width <= e && e <= c + width && !accept(entry)) {
                    return;
                }
            }
        }
    }
}

}  // namespace pirumo
