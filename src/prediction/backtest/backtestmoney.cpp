#include "prediction/backtest/backtestmoney.h"

namespace pirumo {

std::int64_t WonAtDraw(const BacktestDraw& draw, int method) {
    if (!draw.prizes) {
        return 0;
    }
    std::int64_t won = 0;
    draw.ForEachRow(method, [&](const std::vector<int>&, PrizeClass prize) {
        if (prize != kNoPrize) {
            won += draw.prizes->amount[static_cast<std::size_t>(prize)];
        }
    });
    return won;
}

BacktestMoney MoneyOfBacktest(const std::vector<BacktestDraw>& draws) {
    BacktestMoney money;
    for (int m = 0; m < kMethodCount; ++m) {
        std::vector<TicketPurchase> purchases;
        purchases.reserve(draws.size());
        MethodMoney& method = money[static_cast<std::size_t>(m)];
        for (const BacktestDraw& draw : draws) {
            purchases.push_back({draw.prizes, draw.Tickets(m)});
            method.won += WonAtDraw(draw, m);
        }
        method.random = SimulateRandomTickets(purchases);
    }
    return money;
}

}  // namespace pirumo
