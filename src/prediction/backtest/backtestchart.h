#pragma once

#include "chart/chart.h"
#include "prediction/backtest/backtest.h"

namespace pirumo {

// One method's matches drawn cumulatively over the checked draws, as the difference from what
// random pools of the same sizes give: the chance line is zero and the band around it holds 95 %
// of random runs, widening with the draws.
Chart BacktestChart(const BacktestResult& result, int method);

}  // namespace pirumo
