#include "prediction/garuponprediction.h"

#include <algorithm>
#include <array>

#include "prediction/closenumbers.h"
#include "prediction/eliminationmethod.h"

namespace pirumo {

namespace {

// Rows are made at their final size: a check of a long history keeps four methods' rows for
// every draw, and grown rows would carry spare room.
PredictionRows CycleRows(const CycleTable& cycles) {
    PredictionRows rows(CycleTable::kSlots);
    for (int slot = 0; slot < CycleTable::kSlots; ++slot) {
        std::array<int, CycleTable::kMainPositions> shown{};
        std::size_t count = 0;
        for (int position = 1; position <= CycleTable::kMainPositions; ++position) {
            if (const int n = cycles.At(slot, position); n != 0) {
                shown[count++] = n;
            }
        }
        rows[static_cast<std::size_t>(slot)].assign(shown.begin(), shown.begin() + count);
    }
    return rows;
}

PredictionRows RowsOfFive(const std::vector<int>& numbers, int method) {
    PredictionRows rows(static_cast<std::size_t>(kMethodRows[static_cast<std::size_t>(method)]));
    for (std::size_t first = 0; first < numbers.size(); first += kNumbersPerRow) {
        const std::size_t last = std::min(first + kNumbersPerRow, numbers.size());
        rows[first / kNumbersPerRow].assign(numbers.begin() + static_cast<std::ptrdiff_t>(first),
                                            numbers.begin() + static_cast<std::ptrdiff_t>(last));
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
