#include "prediction/tickets/ticketledger.h"

#include <map>

namespace pirumo {

namespace {

// The total's range and the running ones come from one simulation.
void AddRandomRanges(TicketLedger& ledger, const std::vector<TicketPurchase>& purchases) {
    std::vector<std::size_t> priced;  // indexes into ledger.draws and purchases alike
    for (std::size_t i = 0; i < ledger.draws.size(); ++i) {
        if (ledger.draws[i].hasPrizes) {
            priced.push_back(i);
        }
    }
    const std::size_t count = std::min<std::size_t>(priced.size(), kLedgerRangePoints);
    std::vector<std::size_t> ends;
    for (std::size_t k = 1; k <= count; ++k) {
        ends.push_back(priced[k * priced.size() / count - 1]);
    }
    ends.push_back(purchases.size() - 1);
    const std::vector<RandomTicketWinnings> ranges = SimulateRandomTicketsRunning(purchases, ends);
    for (std::size_t k = 0; k < count; ++k) {
        ledger.rangePoints.push_back({ledger.draws[ends[k]].result.drawNumber, ranges[k]});
    }
    ledger.random = ranges.back();
}

}  // namespace

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
    if (!purchases.empty()) {
        AddRandomRanges(ledger, purchases);
    }
    return ledger;
}

}  // namespace pirumo
