#include <benchmark/benchmark.h>

#include <vector>

#include "history/import/historycsv.h"
#include "prediction/tickets/ticketledger.h"

namespace {

// The ledger over the published draws with state.range(0) tickets bought at every draw: one is
// a player's weekly ticket, ten a heavy player's, whose window shows every draw's range.
void BM_TicketLedger(benchmark::State& state) {
    static const pirumo::DrawHistory history(
        pirumo::ReadCsvHistoryFile(PIRUMO_BUNDLED_HISTORY_CSV));
    std::vector<pirumo::SavedTicket> tickets;
    for (int t = 0; t < state.range(0); ++t) {
        tickets.push_back({t + 1, {t + 1, t + 5, t + 9, t + 13, t + 17}, 1, std::nullopt});
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(pirumo::MakeTicketLedger(history, tickets).won);
    }
}
BENCHMARK(BM_TicketLedger)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

}  // namespace
