#include "prediction/money/randomtickets.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <random>

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

double WinsPerRun(std::int64_t tickets) {
    const double winChance = static_cast<double>(kWinningTotal) / kCombinations;
    return static_cast<double>(tickets) * winChance;
}

// Runs of a simulation of this many tickets: fewer for very many, so that the work stays bounded.
int SimulationRuns(std::int64_t tickets) {
    return static_cast<int>(std::clamp(kMaxSimulatedWins / WinsPerRun(tickets),
                                       static_cast<double>(kMinRuns),
                                       static_cast<double>(kSimulationRuns)));
}

// One run: onWin(ticket, class) for each winning ticket (1-based) among `tickets`, in order.
// Tickets in a row are independent trials: the gap to the next winning ticket is geometric.
template <typename OnWin>
void SimulateRun(std::mt19937_64& engine, std::int64_t tickets, OnWin&& onWin) {
    static const double perLogMiss =
        1 / std::log1p(-static_cast<double>(kWinningTotal) / kCombinations);
    for (std::int64_t ticket = 0;;) {
        const double gap = std::floor(std::log(UniformOpenClosed(engine)) * perLogMiss);
        if (gap >= static_cast<double>(tickets - ticket)) {
            return;
        }
        ticket += static_cast<std::int64_t>(gap) + 1;
        onWin(ticket, WinningClass(engine));
    }
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
    if (purchases.empty()) {
        return {};
    }
    const std::size_t last = purchases.size() - 1;
    return SimulateRandomTicketsRunning(purchases, std::span(&last, 1)).front();
}

std::vector<RandomTicketWinnings> SimulateRandomTicketsRunning(
    std::span<const TicketPurchase> purchases, std::span<const std::size_t> ends) {
    std::vector<RandomTicketWinnings> results(ends.size());
    std::vector<CoveredDraw> covered;
    // Per end: the tickets at covered draws up to it.
    std::vector<std::int64_t> endTickets(ends.size());
    RandomTicketWinnings running;
    std::size_t end = 0;
    for (std::size_t i = 0; i < purchases.size() && end < ends.size(); ++i) {
        const TicketPurchase& p = purchases[i];
        if (p.tickets > 0) {
            ++running.draws;
            if (p.prizes) {
                ++running.coveredDraws;
                running.tickets += p.tickets;
                running.expectedWon +=
                    static_cast<double>(p.tickets) * ExpectedTicketWinnings(*p.prizes);
                covered.push_back({running.tickets, p.prizes->amount});
            }
        }
        running.spent = running.tickets * kTicketPrice;
        for (; end < ends.size() && ends[end] == i; ++end) {
            results[end] = running;
            endTickets[end] = running.tickets;
        }
    }
    if (running.tickets == 0) {
        return results;
    }

    const int runs = SimulationRuns(running.tickets);
    std::mt19937_64 engine(kSimulationSeed);
    // totals[k * runs + r]: run r's winnings up to end k.
    std::vector<std::int64_t> totals(ends.size() * static_cast<std::size_t>(runs));
    TicketDraws drawOf(covered, running.tickets, WinsPerRun(running.tickets));
    for (int r = 0; r < runs; ++r) {
        drawOf.Restart();
        std::size_t k = 0;
        std::int64_t total = 0;
        // Ends that lie before a ticket keep the total so far.
        const auto closeEndsBefore = [&](std::int64_t ticket) {
            for (; k < ends.size() && endTickets[k] < ticket; ++k) {
                totals[k * static_cast<std::size_t>(runs) + static_cast<std::size_t>(r)] = total;
            }
        };
        SimulateRun(engine, running.tickets, [&](std::int64_t ticket, int prizeClass) {
            closeEndsBefore(ticket);
            total += drawOf.Of(ticket).amount[static_cast<std::size_t>(prizeClass)];
        });
        closeEndsBefore(running.tickets + 1);
    }
    for (std::size_t k = 0; k < ends.size(); ++k) {
        const auto first = totals.begin() + static_cast<std::ptrdiff_t>(k) * runs;
        const auto low = first + runs / 40;                   // the 2.5 % point
        const auto high = first + (runs * 39 + 39) / 40 - 1;  // the 97.5 % point
        std::nth_element(first, low, first + runs);
        results[k].lowWon = *low;
        std::nth_element(first, high, first + runs);
        results[k].highWon = *high;
    }
    return results;
}

std::vector<WinningPattern> SimulateWinningPatterns(std::int64_t tickets) {
    if (tickets <= 0) {
        return {};
    }
    std::map<std::array<std::int64_t, kPrizeClassCount>, int> seen;
    std::mt19937_64 engine(kSimulationSeed);
    for (int r = SimulationRuns(tickets); r > 0; --r) {
        std::array<std::int64_t, kPrizeClassCount> winners{};
        SimulateRun(engine, tickets, [&winners](std::int64_t, int prizeClass) {
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
    const int low = runs / 40;
    const int high = (runs * 39 + 39) / 40 - 1;
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
