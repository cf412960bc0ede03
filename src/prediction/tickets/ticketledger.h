#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "history/drawhistory.h"
#include "history/savedticket.h"
#include "prediction/tickets/randomtickets.h"
#include "prediction/tickets/ticketcheck.h"

namespace pirumo {

// One draw of the money ledger: a valid draw of the history some ticket was bought for.
struct LedgerDraw {
    TicketDrawResult result;
    std::string date;
    std::int64_t spent = 0;  // 200 yen a ticket
    bool hasPrizes = false;  // false: its yen are left out of every total
    RandomWinnings random;   // the same number of random tickets at this draw
    // Running totals over the draws with prizes up to this one.
    std::int64_t cumulativeSpent = 0;
    std::int64_t cumulativeWon = 0;
    RandomWinnings cumulativeRandom;
};

// The player's spending and winnings over the history. Yen totals cover the draws with prize
// data only; `draws - drawsWithPrizes` says how many are left out.
struct TicketLedger {
    std::vector<LedgerDraw> draws;
    int drawsWithPrizes = 0;
    int tickets = 0;  // tickets bought over every listed draw
    std::array<int, kPrizeClassCount> wins{};
    std::array<std::int64_t, kPrizeClassCount> wonByClass{};
    std::int64_t spent = 0;
    std::int64_t won = 0;
    RandomWinnings random;  // the same tickets bought at random, over the draws with prizes
};

TicketLedger MakeTicketLedger(const DrawHistory& history, const std::vector<SavedTicket>& tickets);

}  // namespace pirumo
