#include "prediction/backtest/predictionreplay.h"

#include "prediction/cyclemethod.h"

namespace pirumo {

PredictionReplay::PredictionReplay(const DrawHistory& history, const PredictionOptions& options)
    : mHistory(history), mReflected(options.CountReflected()) {}

GaruponPrediction PredictionReplay::PredictFor(int targetDraw) {
    const auto& rows = mHistory.Rows();
    while (mNextRow < rows.size() && rows[mNextRow].drawNumber < targetDraw) {
        const Draw& draw = rows[mNextRow++];
        if (IsValidDraw(draw)) {
            AddCycleDraw(draw, mNumbersByDraw, mCycleTable);
            mLastDrawNumber = draw.drawNumber;
            ++mValidDraws;
        }
    }
    if (mValidDraws < DrawsNeededToPredict(mReflected)) {
        return {};
    }
    return PredictGarupon(mNumbersByDraw, mCycleTable, mLastDrawNumber, mReflected);
}

}  // namespace pirumo
