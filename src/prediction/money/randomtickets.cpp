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

    // Tickets in a row are independent trials: the gap to the next winning ticket is geometric.
    const double winChance = static_cast<double>(kWinningTotal) / kCombinations;
    const double logMiss = std::log1p(-winChance);
    const double winsPerRun = static_cast<double>(result.tickets) * winChance;
    const int runs =
        static_cast<int>(std::clamp(kMaxSimulatedWins / winsPerRun, static_cast<double>(kMinRuns),
                                    static_cast<double>(kSimulationRuns)));
    std::mt19937_64 engine(kSimulationSeed);
    std::vector<std::int64_t> totals(static_cast<std::size_t>(runs));
    for (std::int64_t& total : totals) {
        std::size_t draw = 0;
        for (std::int64_t ticket = 0;;) {
            const double gap = std::floor(std::log(UniformOpenClosed(engine)) / logMiss);
            if (gap >= static_cast<double>(result.tickets - ticket)) {
                break;
            }
            ticket += static_cast<std::int64_t>(gap) + 1;  // 1-based number of the winner
            while (covered[draw].lastTicket < ticket) {
                ++draw;
            }
            total += covered[draw].amount[static_cast<std::size_t>(WinningClass(engine))];
        }
    }
    const auto low = totals.begin() + runs / 40;                   // the 2.5 % point
    const auto high = totals.begin() + (runs * 39 + 39) / 40 - 1;  // the 97.5 % point
    std::nth_element(totals.begin(), low, totals.end());
    result.lowWon = *low;
    std::nth_element(totals.begin(), high, totals.end());
    result.highWon = *high;
    return result;
}

}  // namespace pirumo
