#include "prediction/money/randomtickets.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <random>
#include <tuple>
#include <utility>

#include "prediction/backtest/prizeclass.h"

namespace pirumo {

namespace {

// Combinations that win anything: 1 + 5 + 125 + 3,250.
constexpr int kWinningTotal = 3381;
// Work a simulation may do: winning tickets drawn over all runs.
constexpr double kMaxSimulatedWins = 2e7;

// A uniform double in (0, 1], from the engine's bits alone, so that every platform draws the
// same sequence (the standard distributions may differ between libraries).
double UniformOpenClosed(std::mt19937_64& engine) {
    return (static_cast<double>(engine() >> 11) + 1.0) * 0x1.0p-53;
}

// The class of a winning ticket: class c with probability kWinningCombinations[c] / 3,381.
int WinningClass(std::mt19937_64& engine) {
    const auto pick = static_cast<int>(engine() % kWinningTotal);
    int bound = 0;
    for (int c = 0; c < kPrizeClassCount; ++c) {
        bound += kWinningCombinations[static_cast<std::size_t>(c)];
        if (pick < bound) {
            return c;
        }
    }
    return kFourthPrize;
}

struct CoveredDraw {
    std::int64_t lastTicket = 0;  // tickets bought up to and including this draw
    std::array<std::int64_t, kPrizeClassCount> amount{};
};

// Finds the draw a winning ticket was bought for. With fewer winners a run than draws, a table by
// ticket answers at once; with more, walking through the draws costs little beside the winners
// and reads memory in order.
class TicketDraws {
public:
    static constexpr std::int64_t kMaxTableTickets = std::int64_t{1} << 22;

    TicketDraws(const std::vector<CoveredDraw>& covered, std::int64_t tickets, double winsPerRun)
        : mCovered(covered) {
        if (tickets <= kMaxTableTickets && winsPerRun < static_cast<double>(covered.size())) {
            mTable.reserve(static_cast<std::size_t>(tickets));
            for (std::size_t d = 0; d < covered.size(); ++d) {
                mTable.resize(static_cast<std::size_t>(covered[d].lastTicket),
                              static_cast<std::uint32_t>(d));
            }
        }
    }

    // Before each run: its winners come in increasing order.
    void Restart() { mWalked = 0; }

    // The draw of 1-based ticket `ticket`.
    const CoveredDraw& Of(std::int64_t ticket) {
        if (!mTable.empty()) {
            return mCovered[mTable[static_cast<std::size_t>(ticket - 1)]];
        }
        while (mCovered[mWalked].lastTicket < ticket) {
            ++mWalked;
        }
        return mCovered[mWalked];
    }

private:
    const std::vector<CoveredDraw>& mCovered;
    std::vector<std::uint32_t> mTable;
    std::size_t mWalked = 0;
};

constexpr double kWinChance = static_cast<double>(kWinningTotal) / kCombinations;

double WinsPerRun(std::int64_t tickets) {
    return static_cast<double>(tickets) * kWinChance;
}

// Runs enough for a steady 95 % range, but no more winners over all runs than kMaxSimulatedWins.
int SimulationRuns(std::int64_t tickets, int mostRuns) {
    return static_cast<int>(std::clamp(kMaxSimulatedWins / WinsPerRun(tickets),
                                       static_cast<double>(kMinRuns),
                                       static_cast<double>(mostRuns)));
}

// One run of `tickets` random tickets: calls onWin(ticket, prizeClass) for each winning ticket,
// 1-based, in increasing order. Tickets are independent trials, so the gap to the next winner is
// geometric.
template <typename OnWin>
void ForEachWinner(std::mt19937_64& engine, std::int64_t tickets, OnWin onWin) {
    const double perLogMiss = 1 / std::log1p(-kWinChance);
    for (std::int64_t ticket = 0;;) {
        const double gap = std::floor(std::log(UniformOpenClosed(engine)) * perLogMiss);
        if (gap >= static_cast<double>(tickets - ticket)) {
            return;
        }
        ticket += static_cast<std::int64_t>(gap) + 1;
        onWin(ticket, WinningClass(engine));
    }
}

// Positions of the 2.5 % and 97.5 % points among `runs` results in order.
std::pair<int, int> RangePoints(int runs) {
    return {runs / 40, (runs * 39 + 39) / 40 - 1};
}

// The 2.5 % and 97.5 % points of the runs' totals (reordered).
std::pair<std::int64_t, std::int64_t> Range95(std::vector<std::int64_t>& totals) {
    const auto [low, high] = RangePoints(static_cast<int>(totals.size()));
    std::nth_element(totals.begin(), totals.begin() + low, totals.end());
    const std::int64_t lowValue = totals[static_cast<std::size_t>(low)];
    std::nth_element(totals.begin(), totals.begin() + high, totals.end());
    return {lowValue, totals[static_cast<std::size_t>(high)]};
}

}  // namespace

double ExpectedTicketWinnings(const DrawPrizes& prizes) {
    double yen = 0;
    for (int c = 0; c < kPrizeClassCount; ++c) {
        yen +=
            PrizeProbability(c) * static_cast<double>(prizes.amount[static_cast<std::size_t>(c)]);
    }
    return yen;
}

std::optional<double> AverageTicketWinnings(const std::vector<Draw>& rows) {
    double sum = 0;
    int count = 0;
    for (const Draw& d : rows) {
        if (d.prizes) {
            sum += ExpectedTicketWinnings(*d.prizes);
            ++count;
        }
    }
    return count == 0 ? std::nullopt : std::optional<double>(sum / count);
}

RandomTicketWinnings SimulateRandomTickets(std::span<const TicketPurchase> purchases) {
    RandomTicketWinnings result;
    std::vector<CoveredDraw> covered;
    for (const TicketPurchase& p : purchases) {
        if (p.tickets <= 0) {
            continue;
        }
        ++result.draws;
        if (!p.prizes) {
            continue;
        }
        ++result.coveredDraws;
        result.tickets += p.tickets;
        result.expectedWon += static_cast<double>(p.tickets) * ExpectedTicketWinnings(*p.prizes);
        covered.push_back({result.tickets, p.prizes->amount});
    }
    result.spent = result.tickets * kTicketPrice;
    if (result.tickets == 0) {
        return result;
    }

    const int runs = SimulationRuns(result.tickets, kSimulationRuns);
    std::mt19937_64 engine(kSimulationSeed);
    std::vector<std::int64_t> totals(static_cast<std::size_t>(runs));
    TicketDraws drawOf(covered, result.tickets, WinsPerRun(result.tickets));
    for (std::int64_t& total : totals) {
        drawOf.Restart();
        ForEachWinner(engine, result.tickets, [&](std::int64_t ticket, int prizeClass) {
            total += drawOf.Of(ticket).amount[static_cast<std::size_t>(prizeClass)];
        });
    }
    std::tie(result.lowWon, result.highWon) = Range95(totals);
    return result;
}

RunningRange SimulateRunningRange(std::span<const TicketPurchase> purchases, int maxPoints) {
    RunningRange range;
    const auto count = static_cast<int>(purchases.size());
    if (count == 0 || maxPoints < 1) {
        return range;
    }
    std::vector<CoveredDraw> covered;
    std::int64_t tickets = 0;
    std::vector<std::int64_t> ticketsAtPoint;  // covered tickets bought up to each point
    const int step = (count + maxPoints - 1) / maxPoints;
    for (int i = 0; i < count; ++i) {
        const TicketPurchase& p = purchases[static_cast<std::size_t>(i)];
        if (p.prizes && p.tickets > 0) {
            tickets += p.tickets;
            covered.push_back({tickets, p.prizes->amount});
        }
        if ((i + 1) % step == 0 || i + 1 == count) {
            range.at.push_back(i);
            ticketsAtPoint.push_back(tickets);
        }
    }
    const std::size_t points = range.at.size();
    range.low.assign(points, 0);
    range.high.assign(points, 0);
    if (tickets == 0) {
        return range;
    }

    const int runs = SimulationRuns(tickets, kRunningRangeRuns);
    std::mt19937_64 engine(kSimulationSeed);
    // totals[k][r]: what run r had won by point k.
    std::vector<std::vector<std::int64_t>> totals(
        points, std::vector<std::int64_t>(static_cast<std::size_t>(runs)));
    TicketDraws drawOf(covered, tickets, WinsPerRun(tickets));
    for (std::size_t r = 0; r < static_cast<std::size_t>(runs); ++r) {
        drawOf.Restart();
        std::int64_t total = 0;
        std::size_t k = 0;
        ForEachWinner(engine, tickets, [&](std::int64_t ticket, int prizeClass) {
            for (; ticketsAtPoint[k] < ticket; ++k) {
                totals[k][r] = total;
            }
            total += drawOf.Of(ticket).amount[static_cast<std::size_t>(prizeClass)];
        });
        for (; k < points; ++k) {
            totals[k][r] = total;
        }
    }
    for (std::size_t k = 0; k < points; ++k) {
        std::tie(range.low[k], range.high[k]) = Range95(totals[k]);
    }
    return range;
}

std::vector<WinningPattern> SimulateWinningPatterns(std::int64_t tickets) {
    if (tickets <= 0) {
        return {};
    }
    // The runs of SimulateRandomTickets with the same seed, counting classes instead of yen.
    const int runs = SimulationRuns(tickets, kSimulationRuns);
    std::map<std::array<std::int64_t, kPrizeClassCount>, int> seen;
    std::mt19937_64 engine(kSimulationSeed);
    for (int r = 0; r < runs; ++r) {
        std::array<std::int64_t, kPrizeClassCount> winners{};
        ForEachWinner(engine, tickets, [&winners](std::int64_t, int prizeClass) {
            ++winners[static_cast<std::size_t>(prizeClass)];
        });
        ++seen[winners];
    }
    std::vector<WinningPattern> patterns;
    for (const auto& [winners, runs] : seen) {
        patterns.push_back({winners, runs});
    }
    return patterns;
}

RandomTicketWinnings WinningsFromPatterns(std::span<const WinningPattern> patterns,
                                          std::int64_t tickets, const DrawPrizes& prizes) {
    RandomTicketWinnings result;
    if (tickets <= 0) {
        return result;
    }
    result.draws = 1;
    result.coveredDraws = 1;
    result.tickets = tickets;
    result.spent = tickets * kTicketPrice;
    result.expectedWon = static_cast<double>(tickets) * ExpectedTicketWinnings(prizes);
    std::vector<std::pair<std::int64_t, int>> totals;  // yen, runs
    int runs = 0;
    for (const WinningPattern& pattern : patterns) {
        std::int64_t yen = 0;
        for (std::size_t c = 0; c < pattern.winners.size(); ++c) {
            yen += pattern.winners[c] * prizes.amount[c];
        }
        totals.emplace_back(yen, pattern.runs);
        runs += pattern.runs;
    }
    std::sort(totals.begin(), totals.end());
    // The same points as the simulation's: the 2.5 % and 97.5 % of the runs in order.
    const auto [low, high] = RangePoints(runs);
    int before = 0;
    for (const auto& [yen, count] : totals) {
        if (before <= low && low < before + count) {
            result.lowWon = yen;
        }
        if (before <= high && high < before + count) {
            result.highWon = yen;
        }
        before += count;
    }
    return result;
}

}  // namespace pirumo
