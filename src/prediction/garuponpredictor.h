#pragma once

#include <array>

#include "grid/resultgrid.h"
#include "history/drawhistory.h"
#include "prediction/cycletable.h"
#include "prediction/eliminationmethod.h"
#include "prediction/numbersbydraw.h"
#include "prediction/predictiongrids.h"
#include "prediction/predictionoptions.h"

namespace pirumo {

// Everything the prediction window computes and keeps for the whole run: the options, the tables
// that persist between openings, and the four result grids of the latest computation.
class GaruponPredictor {
public:
    PredictionOptions& Options() { return mOptions; }
    const PredictionOptions& Options() const { return mOptions; }

    // What a load of the window computes: fresh grids, the cycle method over the history, then
    // RunPredictions.
    void Load(const DrawHistory& history);

    // The prediction check's way through a history: one more valid draw into the tables (draws in
    // 回数 order, starting from an unloaded predictor), then a load from the tables as they stand,
    // which gives what Load gives on the draws added so far.
    void AddDraw(const Draw& draw);
    void LoadFromTables();

    // An option click: stores the option and, once loaded, empties the value cells of the
    // elimination, rapid-fire and one-shot grids and runs the predictions again.
    void SetOption(int index, bool reflect);

    // The cycle grid from the table, then elimination, rapid-fire and one-shot.
    void RunPredictions();

    bool IsLoaded() const { return mLoaded; }
    const ResultGrid& Grid(int index) const { return mGrids[static_cast<std::size_t>(index)]; }
    ResultGrid& Grid(int index) { return mGrids[static_cast<std::size_t>(index)]; }
    const CycleTable& Cycles() const { return mCycleTable; }
    const EliminationCandidates& Candidates() const { return mCandidates; }
    const NumbersByDraw& Numbers() const { return mNumbersByDraw; }

private:
    void BuildPredictionGrids();

    PredictionOptions mOptions;
    NumbersByDraw mNumbersByDraw;
    CycleTable mCycleTable;
    EliminationCandidates mCandidates;
    std::array<ResultGrid, kPredictionGridCount> mGrids;
    int mLastDrawNumber = 0;
    bool mLoaded = false;
};

}  // namespace pirumo
