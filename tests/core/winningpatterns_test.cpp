#include <gtest/gtest.h>

#include "prediction/money/randomtickets.h"

namespace pirumo {
namespace {

// The patterns stand in for simulating one draw again: the figures must be the simulation's own.
TEST(WinningPatterns, GiveTheSimulationsFiguresForOneDraw) {
    DrawPrizes usual;
    usual.amount = {9947500, 159900, 12200, 1000};
    DrawPrizes noFirst;  // nobody won 1等: no amount
    noFirst.amount = {0, 170000, 13400, 900};
    for (const std::int64_t tickets : {1, 4, 10, 60, 400, 1287}) {
        const std::vector<WinningPattern> patterns = SimulateWinningPatterns(tickets);
        int runs = 0;
        for (const WinningPattern& p : patterns) {
            runs += p.runs;
        }
        EXPECT_GE(runs, kMinRuns) << tickets;
        for (const DrawPrizes& prizes : {usual, noFirst}) {
            const TicketPurchase purchase{prizes, tickets};
            const RandomTicketWinnings simulated = SimulateRandomTickets(std::span(&purchase, 1));
            const RandomTicketWinnings fromPatterns =
                WinningsFromPatterns(patterns, tickets, prizes);
            EXPECT_EQ(fromPatterns.lowWon, simulated.lowWon) << tickets;
            EXPECT_EQ(fromPatterns.highWon, simulated.highWon) << tickets;
            EXPECT_EQ(fromPatterns.spent, simulated.spent);
            EXPECT_DOUBLE_EQ(fromPatterns.expectedWon, simulated.expectedWon);
        }
    }
}

}  // namespace
}  // namespace pirumo
