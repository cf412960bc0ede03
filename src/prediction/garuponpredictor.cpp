#include "prediction/garuponpredictor.h"

#include "prediction/closenumbers.h"
#include "prediction/cyclemethod.h"

namespace pirumo {

void GaruponPredictor::Load(const DrawHistory& history) {
    mLastDrawNumber = history.LastDrawNumber();
    BuildPredictionGrids();
    ComputeCycleTable(history, mNumbersByDraw, mCycleTable);
    mLoaded = true;
    RunPredictions();
}

void GaruponPredictor::AddDraw(const Draw& draw) {
    AddCycleDraw(draw, mNumbersByDraw, mCycleTable);
    mLastDrawNumber = draw.drawNumber;
}

void GaruponPredictor::LoadFromTables() {
    BuildPredictionGrids();
    mLoaded = true;
    RunPredictions();
}

void GaruponPredictor::SetOption(int index, bool reflect) {
    mOptions.reflect[static_cast<std::size_t>(index)] = reflect;
    if (!mLoaded) {
        return;
    }
    // Emptied so that each grid shows only the current options' result.
    ClearValueCells(mGrids[kEliminationGrid], kEliminationGrid);
    ClearValueCells(mGrids[kRapidFireGrid], kRapidFireGrid);
    ClearValueCells(mGrids[kOneShotGrid], kOneShotGrid);
    RunPredictions();
}

void GaruponPredictor::RunPredictions() {
    if (!mLoaded) {
        return;
    }
    ShowCycleTable(mCycleTable, mGrids[kCycleGrid]);
    ComputeElimination(mNumbersByDraw, mLastDrawNumber, mOptions.CountReflected(), mCandidates,
                       mGrids[kEliminationGrid]);
    PredictCloseNumbers(mCycleTable, mCandidates, kRapidFireWidth, mGrids[kRapidFireGrid],
                        kRapidFireGrid);
    PredictCloseNumbers(mCycleTable, mCandidates, kOneShotWidth, mGrids[kOneShotGrid],
                        kOneShotGrid);
}

void GaruponPredictor::BuildPredictionGrids() {
    for (int index = 0; index < kPredictionGridCount; ++index) {
        ResultGrid& grid = mGrids[static_cast<std::size_t>(index)];
        grid = ResultGrid();
        SetUpPredictionGrid(grid, index);
        DrawPredictionHeader(grid, index);
    }
}

}  // namespace pirumo
