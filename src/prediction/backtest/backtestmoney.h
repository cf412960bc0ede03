#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "prediction/backtest/backtest.h"

namespace pirumo {

// What a method's tickets (its rows of five distinct numbers, as the summary counts them) won at
// one draw, with the draw's real prizes; 0 when the draw has no prize data.
std::int64_t WonAtDraw(const BacktestDraw& draw, int method);

// Each method's tickets bought at every checked draw: spent and won with the real prizes, beside
// the same number of random tickets at each draw. Draws without prize data are left out.
std::array<MethodMoney, kMethodCount> MoneyOfBacktest(const std::vector<BacktestDraw>& draws);

}  // namespace pirumo
