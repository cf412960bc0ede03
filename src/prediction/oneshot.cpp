#include "prediction/oneshot.h"

#include "prediction/closeentryscan.h"
#include "prediction/predictiongrids.h"
#include "prediction/valuecellcursor.h"

namespace pirumo {

void PredictOneShot(const CycleTable& table, const EliminationCandidates& candidates,
                    ResultGrid& oneShotGrid) {
    constexpr int kWidth = 2;
    ValueCellCursor cursor(PredictionGridRows(kOneShotGrid) - 1);
    ScanCloseEntries(table, candidates, kWidth, [&](const std::string& text) {
        if (IsNotInGrid(oneShotGrid, kOneShotGrid, text)) {
            cursor.Place(oneShotGrid, text);
        }
        return !cursor.Full();
    });
}

}  // namespace pirumo
