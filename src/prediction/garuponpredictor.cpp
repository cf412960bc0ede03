#include "prediction/garuponpredictor.h"

#include "prediction/cyclemethod.h"
#include "prediction/money/randomtickets.h"

namespace pirumo {

void GaruponPredictor::Load(const DrawHistory& history) {
    mLastDrawNumber = history.LastDrawNumber();
    mValidDraws = 0;
    history.ForEachValidDraw([this](const Draw&) { ++mValidDraws; });
    ComputeCycleTable(history, mNumbersByDraw, mCycleTable);
    mTicketWorth = AverageTicketWinnings(history.Rows());
    mLoaded = true;
    Predict();
}

void GaruponPredictor::SetOption(int index, bool reflect) {
    mOptions.reflect[static_cast<std::size_t>(index)] = reflect;
    if (mLoaded) {
        Predict();
    }
}

std::string GaruponPredictor::Shortage() const {
    const int needed = DrawsNeededToPredict(mOptions.CountReflected());
    if (!mLoaded || mValidDraws >= needed) {
        return {};
    }
    return "予想には当選データが " + std::to_string(needed) + " 回分以上必要です（いまは " +
           std::to_string(mValidDraws) + " 回分）。当選データを最新化するか取り込んでください。";
}

void GaruponPredictor::Predict() {
    mPrediction = Shortage().empty() ? PredictGarupon(mNumbersByDraw, mCycleTable, mLastDrawNumber,
                                                      mOptions.CountReflected())
                                     : GaruponPrediction{};
    for (int index = 0; index < kPredictionGridCount; ++index) {
        FillPredictionGrid(mPrediction, index, mGrids[static_cast<std::size_t>(index)]);
    }
    mBuyingCosts = CostOfPrediction(mPrediction, mTicketWorth);
}

}  // namespace pirumo
