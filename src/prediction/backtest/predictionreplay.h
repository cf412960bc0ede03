#pragma once

#include <cstddef>

#include "history/drawhistory.h"
#include "prediction/cycletable.h"
#include "prediction/garuponprediction.h"
#include "prediction/numbersbydraw.h"
#include "prediction/predictionoptions.h"

namespace pirumo {

// The prediction a fresh load of the window would give on a history cut short: for a target draw
// n, only the valid draws numbered below n. The tables grow draw by draw as the targets move
// forward, so a run over every draw reads the history once.
class PredictionReplay {
public:
    PredictionReplay(const DrawHistory& history, const PredictionOptions& options);

    // The prediction from the valid draws numbered below targetDraw. Targets must not decrease.
    GaruponPrediction PredictFor(int targetDraw);

private:
    const DrawHistory& mHistory;
    std::size_t mNextRow = 0;
    int mReflected = 0;
    NumbersByDraw mNumbersByDraw;
    CycleTable mCycleTable;
    int mLastDrawNumber = 0;
    int mValidDraws = 0;
};

}  // namespace pirumo
