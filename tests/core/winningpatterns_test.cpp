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

// A running range is the range of the purchases up to it.
TEST(WinningPatterns, TheLastRunningRangeIsTheTotals) {
    DrawPrizes prizes;
    prizes.amount = {9000000, 150000, 11000, 900};
    std::vector<TicketPurchase> purchases(40, TicketPurchase{prizes, 3});
    purchases[7].prizes.reset();
    const std::size_t ends[] = {5, 20, 39};
    const std::vector<RandomTicketWinnings> running = SimulateRandomTicketsRunning(purchases, ends);
    const RandomTicketWinnings total = SimulateRandomTickets(purchases);
    EXPECT_EQ(running[2].lowWon, total.lowWon);
    EXPECT_EQ(running[2].highWon, total.highWon);
    EXPECT_EQ(running[2].coveredDraws, 39);
    EXPECT_EQ(running[1].draws, 21);
    EXPECT_EQ(running[0].spent, 6 * 3 * kTicketPrice);
    EXPECT_LE(running[0].highWon, running[1].highWon);
    EXPECT_LE(running[1].highWon, running[2].highWon);
}

}  // namespace
}  // namespace pirumo
