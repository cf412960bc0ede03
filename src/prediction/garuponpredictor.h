#pragma once

#include <array>
#include <optional>
#include <string>

#include "grid/resultgrid.h"
#include "history/drawhistory.h"
#include "prediction/cycletable.h"
#include "prediction/garuponprediction.h"
#include "prediction/money/buyingcost.h"
#include "prediction/numbersbydraw.h"
#include "prediction/predictiongrids.h"
#include "prediction/predictionoptions.h"

namespace pirumo {

// What the prediction window keeps for the whole run: the options, the tables that persist
// between openings, the latest prediction and the four grids that show it.
class GaruponPredictor {
public:
    PredictionOptions& Options() { return mOptions; }
    const PredictionOptions& Options() const { return mOptions; }

    // What a load of the window computes: the cycle method over the history into the tables as
    // they stand, then the prediction and its grids.
    void Load(const DrawHistory& history);

    // An option click: stores the option and, once loaded, predicts and shows again.
    void SetOption(int index, bool reflect);

    bool IsLoaded() const { return mLoaded; }

    // Why the prediction shows no numbers: the methods read up to ten draws back from the newest,
    // one more for each reflected option, and a shorter history would give numbers that mean
    // nothing. Empty when the history is long enough.
    std::string Shortage() const;
    const GaruponPrediction& Prediction() const { return mPrediction; }
    // What buying the prediction costs and brings, method by method, at the history's average
    // prizes (TicketWorth: one ticket's expected yen, nullopt without prize data).
    const std::array<BuyingCost, kMethodCount>& BuyingCosts() const { return mBuyingCosts; }
    std::optional<double> TicketWorth() const { return mTicketWorth; }
    const ResultGrid& Grid(int index) const { return mGrids[static_cast<std::size_t>(index)]; }
    ResultGrid& Grid(int index) { return mGrids[static_cast<std::size_t>(index)]; }

private:
    void Predict();

    PredictionOptions mOptions;
    NumbersByDraw mNumbersByDraw;
    CycleTable mCycleTable;
    GaruponPrediction mPrediction;
    std::array<BuyingCost, kMethodCount> mBuyingCosts{};
    std::optional<double> mTicketWorth;
    std::array<ResultGrid, kPredictionGridCount> mGrids;
    int mLastDrawNumber = 0;
    int mValidDraws = 0;
    bool mLoaded = false;
};

}  // namespace pirumo
