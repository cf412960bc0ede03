#pragma once

#include "chart/chart.h"
#include "prediction/backtest/backtest.h"

namespace pirumo {

// One method's tickets in yen, cumulative over the checked draws: what buying them cost, what
// they won with each draw's real prizes, and what the same number of random tickets would win on
// average and within its 95 % range. Draws without prize data add nothing, as in the yen table.
Chart BacktestYenChart(const BacktestResult& result, int method);

}  // namespace pirumo
