#include "prediction/garuponprediction.h"

#include "prediction/closenumbers.h"
#include "prediction/eliminationmethod.h"

namespace pirumo {

namespace {

PredictionRows CycleRows(const CycleTable& cycles) {
    PredictionRows rows(CycleTable::kSlots);
    for (int slot = 0; slot < CycleTable::kSlots; ++slot) {
        for (int position = 1; position <= CycleTable::kMainPositions; ++position) {
            if (const int n = cycles.At(slot, position); n != 0) {
                rows[static_cast<std::size_t>(slot)].push_back(n);
            }
        }
    }
    return rows;
}

PredictionRows RowsOfFive(const std::vector<int>& numbers, int method) {
    PredictionRows rows(static_cast<std::size_t>(kMethodRows[static_cast<std::size_t>(method)]));
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        rows[i / kNumbersPerRow].push_back(numbers[i]);
    }
    return rows;
}

}  // namespace

PredictionRows GaruponPrediction::Rows(int method) const {
    switch (method) {
        case kCycleMethod:
            return CycleRows(cycles);
        case kEliminationMethod:
            return RowsOfFive(elimination, method);
        case kRapidFireMethod:
            return RowsOfFive(rapidFire, method);
        default:
            return RowsOfFive(oneShot, method);
    }
}

GaruponPrediction PredictGarupon(const NumbersByDraw& numbersByDraw, const CycleTable& cycles,
                                 int lastDrawNumber, int reflected) {
    GaruponPrediction prediction;
    prediction.cycles = cycles;
    const EliminationCandidates candidates =
        ComputeElimination(numbersByDraw, lastDrawNumber, reflected);
    prediction.elimination = DistinctCandidates(candidates);
    prediction.rapidFire =
        PredictCloseNumbers(cycles, candidates, kRapidFireWidth, kRapidFireLimit);
    prediction.oneShot = PredictCloseNumbers(cycles, candidates, kOneShotWidth, kOneShotLimit);
    return prediction;
}

}  // namespace pirumo
