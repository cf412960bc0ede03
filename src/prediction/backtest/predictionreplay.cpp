#include "prediction/backtest/predictionreplay.h"

namespace pirumo {

PredictionReplay::PredictionReplay(const DrawHistory& history, const PredictionOptions& options)
    : mHistory(history) {
    mPredictor.Options() = options;
}

const GaruponPredictor& PredictionReplay::PredictFor(int targetDraw) {
    const auto& rows = mHistory.Rows();
    while (mNextRow < rows.size() && rows[mNextRow].drawNumber < targetDraw) {
        const Draw& draw = rows[mNextRow++];
        if (IsValidDraw(draw)) {
            mPredictor.AddDraw(draw);
        }
    }
    mPredictor.LoadFromTables();
    return mPredictor;
}

}  // namespace pirumo
