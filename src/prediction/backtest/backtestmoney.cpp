#include "prediction/backtest/backtestmoney.h"

namespace pirumo {

namespace {

std::int64_t TicketsOf(const BacktestDraw& draw, int method) {
    std::int64_t tickets = 0;
    for (const auto& row : draw.shown[static_cast<std::size_t>(method)]) {
        tickets += IsTicket(row) ? 1 : 0;
    }
    return tickets;
}

}  // namespace

std::int64_t WonAtDraw(const BacktestDraw& draw, int method) {
    if (!draw.prizes) {
        return 0;
    }
    std::int64_t won = 0;
    for (const PrizeClass prize : draw.rowPrizes[static_cast<std::size_t>(method)]) {
        if (prize != kNoPrize) {
            won += draw.prizes->amount[static_cast<std::size_t>(prize)];
        }
    }
    return won;
}

std::array<MethodMoney, kMethodCount> MoneyOfBacktest(const std::vector<BacktestDraw>& draws) {
    std::array<MethodMoney, kMethodCount> money;
    for (int m = 0; m < kMethodCount; ++m) {
        std::vector<TicketPurchase> purchases;
        purchases.reserve(draws.size());
        MethodMoney& method = money[static_cast<std::size_t>(m)];
        for (const BacktestDraw& draw : draws) {
            purchases.push_back({draw.prizes, TicketsOf(draw, m)});
            method.won += WonAtDraw(draw, m);
        }
        method.random = SimulateRandomTickets(purchases);
    }
    return money;
}

}  // namespace pirumo
