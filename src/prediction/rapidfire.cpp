#include "prediction/rapidfire.h"

#include "prediction/closeentryscan.h"
#include "prediction/predictiongrids.h"
#include "prediction/valuecellcursor.h"

namespace pirumo {

void PredictRapidFire(const CycleTable& table, const EliminationCandidates& candidates,
                      ResultGrid& rapidFireGrid) {
    constexpr int kWidth = 3;
    ValueCellCursor cursor(PredictionGridRows(kRapidFireGrid) - 1);
    ScanCloseEntries(table, candidates, kWidth, [&](const std::string& text) {
        if (IsNotInGrid(rapidFireGrid, kRapidFireGrid, text)) {
            cursor.Place(rapidFireGrid, text);
        }
        return !cursor.Full();
    });
}

}  // namespace pirumo
