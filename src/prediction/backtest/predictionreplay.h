#pragma once

#include <cstddef>

#include "history/drawhistory.h"
#include "prediction/garuponpredictor.h"

namespace pirumo {

// The prediction window's result as a fresh load would show it on a history cut short: for a
// target draw n, only the draws numbered below n. The tables grow draw by draw as the targets
// move forward, so a run over every draw reads the history once.
class PredictionReplay {
public:
    PredictionReplay(const DrawHistory& history, const PredictionOptions& options);

    // The prediction from the valid draws numbered below targetDraw. Targets must not decrease.
    const GaruponPredictor& PredictFor(int targetDraw);

private:
    const DrawHistory& mHistory;
    std::size_t mNextRow = 0;
    GaruponPredictor mPredictor;
};

}  // namespace pirumo
