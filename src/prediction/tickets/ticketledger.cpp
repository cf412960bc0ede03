#include "prediction/tickets/ticketledger.h"

namespace pirumo {

TicketLedger MakeTicketLedger(const DrawHistory& history, const std::vector<SavedTicket>& tickets) {
    TicketLedger ledger;
    std::vector<TicketsAtDraw> priced;
    history.ForEachValidDraw([&](const Draw& draw) {
        LedgerDraw row;
        row.result = CheckTicketsInDraw(tickets, draw);
        if (row.result.tickets == 0) {
            return;
        }
        row.date = draw.date;
        row.spent = std::int64_t{kTicketPrice} * row.result.tickets;
        row.hasPrizes = draw.prizes.has_value();
        ledger.tickets += row.result.tickets;
        for (std::size_t c = 0; c < ledger.wins.size(); ++c) {
            ledger.wins[c] += row.result.wins[c];
        }
        if (row.hasPrizes) {
            ++ledger.drawsWithPrizes;
            priced.push_back({row.result.tickets, *draw.prizes});
            const auto won = row.result.WonByClass();
            for (std::size_t c = 0; c < won.size(); ++c) {
                ledger.wonByClass[c] += won[c];
            }
            ledger.spent += row.spent;
            ledger.won += row.result.Won();
        }
        row.cumulativeSpent = ledger.spent;
        row.cumulativeWon = ledger.won;
        ledger.draws.push_back(std::move(row));
    });
    const RandomWinningsSeries series = SimulateRandomWinnings(priced);
    std::size_t next = 0;
    RandomWinnings sofar;
    for (LedgerDraw& row : ledger.draws) {
        if (row.hasPrizes) {
            row.random = series.perDraw[next];
            sofar = series.cumulative[next];
            ++next;
        }
        row.cumulativeRandom = sofar;
    }
    ledger.random = sofar;
    return ledger;
}

}  // namespace pirumo
