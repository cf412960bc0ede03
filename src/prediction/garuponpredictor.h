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

    // A fresh load from tables already computed over the valid draws up to lastDrawNumber (the
    // prediction check builds them draw by draw instead of reading the history again).
    void Load(int lastDrawNumber, const NumbersByDraw& numbersByDraw, const CycleTable& table);

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
