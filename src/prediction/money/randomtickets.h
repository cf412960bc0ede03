#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "history/draw.h"
#include "history/drawprizes.h"

namespace pirumo {

// What random tickets win, in yen, against the published prizes of real draws. A random ticket
// wins class c of a draw with probability kWinningCombinations[c] / 169,911 and is then paid
// that draw's amount for the class. Tickets are independent: each is any of the 169,911
// combinations with the same chance.

// Some tickets bought for one draw; a draw without prize data (nullopt) has no yen figures.
struct TicketPurchase {
    std::optional<DrawPrizes> prizes;
    std::int64_t tickets = 0;
};

// The yen of a set of purchases, beside what random tickets would bring. Every figure covers
// only the purchases whose draw has prize data; `draws - coveredDraws` draws are left out.
struct RandomTicketWinnings {
    int draws = 0;             // purchases with at least one ticket
    int coveredDraws = 0;      // of those, the ones with prize data
    std::int64_t tickets = 0;  // tickets at covered draws
    std::int64_t spent = 0;    // kTicketPrice × tickets
    double expectedWon = 0;    // exact mean for random tickets
    std::int64_t lowWon = 0;   // 95 % of random buyers win at least this …
    std::int64_t highWon = 0;  // … and at most this (2.5 % and 97.5 % points)
};

// The expected yen of one random ticket at a draw with these prizes: Σ probability × amount.
double ExpectedTicketWinnings(const DrawPrizes& prizes);

// The same at the average prizes of the rows that have them (about 53 % of the ticket price on
// the published results); nullopt when no row has prize data.
std::optional<double> AverageTicketWinnings(const std::vector<Draw>& rows);

// Runs of the simulation behind the 95 % range, and its fixed seed: the same purchases always
// give the same range. Very large purchases use fewer runs (never below kMinRuns) so that the
// work stays bounded.
inline constexpr int kSimulationRuns = 10000;
inline constexpr int kMinRuns = 1000;
inline constexpr std::uint64_t kSimulationSeed = 20260101;

// Spent, exact mean and 95 % range of the winnings of random tickets for the purchases.
// Winnings are far from normal (one 1等 outweighs thousands of 4等), so the range comes from
// simulating every ticket, each run skipping straight from one winning ticket to the next.
RandomTicketWinnings SimulateRandomTickets(std::span<const TicketPurchase> purchases);

// The 95 % range of what random tickets have won so far, after some of the purchases: at most
// maxPoints points, evenly spaced, the last purchase always among them (for a cumulative chart).
// Simulated like SimulateRandomTickets, with fewer runs (never below kMinRuns): a chart needs
// no more.
inline constexpr int kRunningRangeRuns = 2000;
struct RunningRange {
    std::vector<int> at;  // indices into the purchases, ascending
    std::vector<std::int64_t> low;
    std::vector<std::int64_t> high;
};
RunningRange SimulateRunningRange(std::span<const TicketPurchase> purchases, int maxPoints);

// For many draws with the same number of tickets each: the winners per class that the runs of
// the simulation give, each with how many runs gave it. They do not depend on the prizes, so one
// simulation serves every draw; most runs of a few tickets win nothing, so the patterns are few.
struct WinningPattern {
    std::array<std::int64_t, 4> winners{};  // 1等..4等
    int runs = 0;
};
std::vector<WinningPattern> SimulateWinningPatterns(std::int64_t tickets);

// SimulateRandomTickets of `tickets` tickets at one draw with these prizes, from the patterns of
// SimulateWinningPatterns(tickets): the same figures without simulating again.
RandomTicketWinnings WinningsFromPatterns(std::span<const WinningPattern> patterns,
                                          std::int64_t tickets, const DrawPrizes& prizes);

}  // namespace pirumo
