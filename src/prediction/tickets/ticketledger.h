#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "history/drawhistory.h"
#include "history/savedticket.h"
#include "prediction/money/randomtickets.h"
#include "prediction/tickets/ticketcheck.h"

namespace pirumo {

// One draw of the money ledger: a valid draw of the history some ticket was bought for.
struct LedgerDraw {
    TicketDrawResult result;
    std::string date;
    std::int64_t spent = 0;       // 200 yen a ticket
    bool hasPrizes = false;       // false: its yen are left out of every total
    RandomTicketWinnings random;  // the same number of random tickets at this draw
    // Running totals over the draws with prizes up to this one.
    std::int64_t cumulativeSpent = 0;
    std::int64_t cumulativeWon = 0;
    double cumulativeExpected = 0;
};

// The 95 % range of what random tickets would have won from the first listed draw up to
// `drawNumber`.
struct LedgerRangePoint {
    int drawNumber = 0;
    std::int64_t low = 0;
    std::int64_t high = 0;
};

// The player's spending and winnings over the history. Yen totals cover the draws with prize
// data only; `draws.size() - drawsWithPrizes` says how many are left out.
struct TicketLedger {
    std::vector<LedgerDraw> draws;
    int drawsWithPrizes = 0;
    int tickets = 0;  // tickets bought over every listed draw
    std::array<int, kPrizeClassCount> wins{};
    std::array<std::int64_t, kPrizeClassCount> wonByClass{};
    std::int64_t spent = 0;
    std::int64_t won = 0;
    RandomTicketWinnings random;  // the same tickets bought at random, over the draws with prizes
    // The running 95 % range at evenly spread draws (the last one always), for the chart.
    std::vector<LedgerRangePoint> rangePoints;
};

inline constexpr int kLedgerRangePoints = 60;

TicketLedger MakeTicketLedger(const DrawHistory& history, const std::vector<SavedTicket>& tickets);

}  // namespace pirumo
