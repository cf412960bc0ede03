#include "prediction/tickets/ticketledger.h"

#include <map>

namespace pirumo {

namespace {}  // namespace

TicketLedger MakeTicketLedger(const DrawHistory& history, const std::vector<SavedTicket>& tickets) {
    TicketLedger ledger;
    std::vector<TicketPurchase> purchases;
    // Draws with the same number of tickets share one simulation.
    std::map<std::int64_t, std::vector<WinningPattern>> patterns;
    double expected = 0;
    history.ForEachValidDraw([&](const Draw& draw) {
        LedgerDraw row;
        row.result = CheckTicketsInDraw(tickets, draw);
        if (row.result.tickets == 0) {
            return;
        }
        row.date = draw.date;
        row.spent = std::int64_t{kTicketPrice} * row.result.tickets;
        row.hasPrizes = draw.prizes.has_value();
        const TicketPurchase purchase{draw.prizes, row.result.tickets};
        purchases.push_back(purchase);
        ledger.tickets += row.result.tickets;
        for (std::size_t c = 0; c < ledger.wins.size(); ++c) {
            ledger.wins[c] += row.result.wins[c];
        }
        if (row.hasPrizes) {
            ++ledger.drawsWithPrizes;
            auto known = patterns.find(purchase.tickets);
            if (known == patterns.end()) {
                known =
                    patterns.emplace(purchase.tickets, SimulateWinningPatterns(purchase.tickets))
                        .first;
            }
            row.random = WinningsFromPatterns(known->second, purchase.tickets, *draw.prizes);
            expected += row.random.expectedWon;
            const auto won = row.result.WonByClass();
            for (std::size_t c = 0; c < won.size(); ++c) {
                ledger.wonByClass[c] += won[c];
            }
            ledger.spent += row.spent;
            ledger.won += row.result.Won();
        }
        row.cumulativeSpent = ledger.spent;
        row.cumulativeWon = ledger.won;
        row.cumulativeExpected = expected;
        ledger.draws.push_back(std::move(row));
    });
    ledger.random = SimulateRandomTickets(purchases);
    const RunningRange running = SimulateRunningRange(purchases, kLedgerRangePoints);
    for (std::size_t k = 0; k < running.at.size(); ++k) {
        ledger.rangePoints.push_back(
            {ledger.draws[static_cast<std::size_t>(running.at[k])].result.drawNumber,
             running.low[k], running.high[k]});
    }
    return ledger;
}

}  // namespace pirumo
