#pragma once

#include "grid/resultgrid.h"
#include "prediction/backtest/backtest.h"
#include "prediction/backtest/predictionlog.h"

namespace pirumo {

// Colours of the check's draw table: a predicted number that was drawn, and the bonus.
inline constexpr Rgb kMatchBack = MakeRgb(255, 220, 120);
inline constexpr Rgb kBonusBack = MakeRgb(200, 230, 255);

// One row per method: draws checked, pool size, mean matches beside the chance mean and its
// 95 % range, tickets and the wins per class beside the expected counts.
void FillBacktestSummaryGrid(const BacktestResult& result, ResultGrid& grid);

// One row per draw for one method: the five drawn numbers and the bonus, the distinct numbers the
// method showed, the matches and the best class of its tickets; drawn numbers that were
// predicted and predicted numbers that were drawn are highlighted.
void FillBacktestDrawGrid(const BacktestResult& result, int method, ResultGrid& grid);

// One row per draw with every method's numbers as one cell each and its matches (for text and
// CSV exports).
void FillBacktestOverviewGrid(const BacktestResult& result, ResultGrid& grid);

// One row per logged prediction: the draw, when it was shown, the drawn numbers (or 未抽せん) and
// each method's numbers with its matches.
void FillPredictionLogGrid(const std::vector<LoggedPrediction>& log, ResultGrid& grid);

// Text helpers shared by the exports and the window.
std::string JoinNumbers(const std::vector<int>& numbers, char separator = ' ');
std::string FormatFixed(double value, int decimals);
// The best class among a draw's rows for one method, "" when none won.
std::string BestPrizeText(const BacktestDraw& draw, int method);

}  // namespace pirumo
