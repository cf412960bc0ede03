#include "prediction/money/randomtickets.h"

#include <algorithm>
#include <array>
#include <cmath>
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

struct CoveredDraw {
    std::int64_t lastTicket = 0;  // tickets bought up to and including this draw
    std::array<std::int64_t, kPrizeClassCount> amount{};
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

    // Tickets in a row are independent trials: the gap to the next winning ticket is geometric.
    const double winChance = static_cast<double>(kWinningTotal) / kCombinations;
    const double logMiss = std::log1p(-winChance);
    const double winsPerRun = static_cast<double>(running.tickets) * winChance;
    const int runs =
        static_cast<int>(std::clamp(kMaxSimulatedWins / winsPerRun, static_cast<double>(kMinRuns),
                                    static_cast<double>(kSimulationRuns)));
    std::mt19937_64 engine(kSimulationSeed);
    // totals[k * runs + r]: run r's winnings up to end k.
    std::vector<std::int64_t> totals(ends.size() * static_cast<std::size_t>(runs));
    for (int r = 0; r < runs; ++r) {
        std::size_t draw = 0;
        std::size_t k = 0;
        std::int64_t total = 0;
        for (std::int64_t ticket = 0;;) {
            const double gap = std::floor(std::log(UniformOpenClosed(engine)) / logMiss);
            const bool done = gap >= static_cast<double>(running.tickets - ticket);
            const std::int64_t next =
                done ? running.tickets + 1 : ticket + static_cast<std::int64_t>(gap) + 1;
            // Ends that lie before this winner keep the total so far.
            for (; k < ends.size() && endTickets[k] < next; ++k) {
                totals[k * static_cast<std::size_t>(runs) + static_cast<std::size_t>(r)] = total;
            }
            if (done) {
                break;
            }
            ticket = next;  // 1-based number of the winner
            while (covered[draw].lastTicket < ticket) {
                ++draw;
            }
            total += covered[draw].amount[static_cast<std::size_t>(WinningClass(engine))];
        }
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

}  // namespace pirumo
