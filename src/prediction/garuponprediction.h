#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "prediction/cycletable.h"
#include "prediction/numbersbydraw.h"

namespace pirumo {

// The four methods of the prediction, in the order the window shows them.
enum PredictionMethod : int {
    kCycleMethod = 0,
    kEliminationMethod = 1,
    kRapidFireMethod = 2,
    kOneShotMethod = 3,
};
inline constexpr int kMethodCount = 4;
inline constexpr std::array<std::string_view, kMethodCount> kMethodNames{"周期法", "消去法",
                                                                         "連発予想", "１発予想"};

// Each method shows its numbers in rows of five; a row of five distinct numbers is a ticket.
inline constexpr int kNumbersPerRow = 5;
// Rows per method: one per cycle slot, then room for 15, 10 and 5 numbers.
inline constexpr std::array<int, kMethodCount> kMethodRows{4, 3, 2, 1};

// A method's numbers row by row, as the window shows them: every row of the method is there, a
// row showing nothing is empty.
using PredictionRows = std::vector<std::vector<int>>;

// What the prediction proposes for the draw after the newest one.
struct GaruponPrediction {
    CycleTable cycles;             // 周期法: rows are positions 1..5 of each slot
    std::vector<int> elimination;  // 消去法: the distinct candidates in rule order (up to 15)
    std::vector<int> rapidFire;    // 連発予想 (up to 10)
    std::vector<int> oneShot;      // １発予想 (up to 5)

    // The method's rows; the cycle rows leave out the positions holding nothing.
    PredictionRows Rows(int method) const;
};

// How many valid draws a prediction needs: the elimination method reads nine draws before the
// newest, one further back for each reflected option. A shorter history would give numbers that
// mean nothing, so none are proposed from it.
constexpr int DrawsNeededToPredict(int reflected) {
    return 10 + reflected;
}

// The four methods on the tables: newest draw number lastDrawNumber, `reflected` options on.
GaruponPrediction PredictGarupon(const NumbersByDraw& numbersByDraw, const CycleTable& cycles,
                                 int lastDrawNumber, int reflected);

}  // namespace pirumo
