#include <benchmark/benchmark.h>

#include <vector>

#include "history/import/historycsv.h"
#include "prediction/backtest/backtestmoney.h"
#include "prediction/money/randomtickets.h"
#include "prediction/money/winningchance.h"

namespace {

// Random tickets at every published draw, state.range(0) a draw: one ticket is 数字チェック,
// four the rows of the first method in 予想の検証, 1,287 a pool of 13 combined in the ledger.
void BM_RandomTicketRange(benchmark::State& state) {
    static const std::vector<pirumo::Draw> rows =
        pirumo::ReadCsvHistoryFile(PIRUMO_BUNDLED_HISTORY_CSV);
    std::vector<pirumo::TicketPurchase> purchases;
    for (const pirumo::Draw& d : rows) {
        purchases.push_back({d.prizes, state.range(0)});
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(pirumo::SimulateRandomTickets(purchases).highWon);
    }
}
BENCHMARK(BM_RandomTicketRange)->Arg(1)->Arg(4)->Arg(1287)->Unit(benchmark::kMillisecond);

// The running 95 % range behind the cumulative yen chart: four tickets a draw over the history.
void BM_RunningRange(benchmark::State& state) {
    static const std::vector<pirumo::Draw> rows =
        pirumo::ReadCsvHistoryFile(PIRUMO_BUNDLED_HISTORY_CSV);
    std::vector<pirumo::TicketPurchase> purchases;
    for (const pirumo::Draw& d : rows) {
        purchases.push_back({d.prizes, 4});
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(pirumo::SimulateRunningRange(purchases, 200).high.back());
    }
}
BENCHMARK(BM_RunningRange)->Unit(benchmark::kMillisecond);

// The yen of 予想の検証 over the published history: four methods' tickets at 1,303 draws, each
// against random tickets (the replay itself is measured in backtest_bench).
void BM_BacktestMoney(benchmark::State& state) {
    static const pirumo::BacktestResult result = [] {
        const pirumo::DrawHistory history(pirumo::ReadCsvHistoryFile(PIRUMO_BUNDLED_HISTORY_CSV));
        const auto [from, to] = pirumo::DefaultBacktestRange(history);
        return pirumo::RunBacktest(history, {}, from, to);
    }();
    for (auto _ : state) {
        benchmark::DoNotOptimize(pirumo::MoneyOfBacktest(result.draws)[0].won);
    }
}
BENCHMARK(BM_BacktestMoney)->Unit(benchmark::kMillisecond);

// The chance of 4等 or better for the rows of the prediction, by going through every draw.
void BM_ChanceOfFourthOrBetter(benchmark::State& state) {
    std::vector<std::array<int, 5>> tickets;
    for (int t = 0; t < state.range(0); ++t) {
        tickets.push_back({t + 1, t + 5, t + 9, t + 13, t + 17});
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(pirumo::ChanceOfFourthOrBetter(tickets));
    }
}
BENCHMARK(BM_ChanceOfFourthOrBetter)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);

}  // namespace
