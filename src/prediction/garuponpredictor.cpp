#include "prediction/garuponpredictor.h"

#include "prediction/cyclemethod.h"

namespace pirumo {

void GaruponPredictor::Load(const DrawHistory& history) {
    mLastDrawNumber = history.LastDrawNumber();
    ComputeCycleTable(history, mNumbersByDraw, mCycleTable);
    mLoaded = true;
    Predict();
}

void GaruponPredictor::SetOption(int index, bool reflect) {
    mOptions.reflect[static_cast<std::size_t>(index)] = reflect;
    if (mLoaded) {
        Predict();
    }
}

void GaruponPredictor::Predict() {
    mPrediction =
        PredictGarupon(mNumbersByDraw, mCycleTable, mLastDrawNumber, mOptions.CountReflected());
    for (int index = 0; index < kPredictionGridCount; ++index) {
        FillPredictionGrid(mPrediction, index, mGrids[static_cast<std::size_t>(index)]);
    }
}

}  // namespace pirumo
