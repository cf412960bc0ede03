#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "prediction/backtest/backtest.h"
#include "prediction/money/randomtickets.h"

namespace pirumo {

// One method in yen: its tickets bought at every checked draw.
struct MethodMoney {
    std::int64_t won = 0;         // the real prizes of the draws with prize data
    RandomTicketWinnings random;  // spent, draws covered, mean and 95 % range of random tickets
};
using BacktestMoney = std::array<MethodMoney, kMethodCount>;

// What a method's tickets (its rows of five distinct numbers, as the summary counts them) won at
// one draw, with the draw's real prizes; 0 when the draw has no prize data.
std::int64_t WonAtDraw(const BacktestDraw& draw, int method);

// Each method's tickets bought at every checked draw: spent and won with the real prizes, beside
// the same number of random tickets at each draw. Draws without prize data are left out.
BacktestMoney MoneyOfBacktest(const std::vector<BacktestDraw>& draws);

}  // namespace pirumo
