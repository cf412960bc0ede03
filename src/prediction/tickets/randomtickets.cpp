#include "prediction/tickets/randomtickets.h"

#include <algorithm>
#include <random>

#include "prediction/backtest/prizeclass.h"

namespace pirumo {

namespace {

constexpr int kTrials = 2000;
constexpr std::uint64_t kSeed = 20240401;

RandomWinnings Range(double mean, std::vector<std::int64_t>& outcomes) {
    const auto at = [&outcomes](std::size_t index) {
        std::nth_element(outcomes.begin(), outcomes.begin() + static_cast<std::ptrdiff_t>(index),
                         outcomes.end());
        return outcomes[index];
    };
    const std::size_t n = outcomes.size();
    return {mean, at(n * 25 / 1000), at((n * 975 + 999) / 1000 - 1)};
}

}  // namespace

RandomWinningsSeries SimulateRandomWinnings(const std::vector<TicketsAtDraw>& draws) {
    RandomWinningsSeries series;
    std::mt19937_64 random(kSeed);
    std::vector<std::int64_t> totals(kTrials, 0);
    std::vector<std::int64_t> drawOutcomes(kTrials, 0);
    std::vector<std::int64_t> sortedTotals;
    double cumulativeMean = 0;
    for (const TicketsAtDraw& draw : draws) {
        double mean = 0;
        for (int c = 0; c < kPrizeClassCount; ++c) {
            mean += draw.tickets * PrizeProbability(c) *
                    static_cast<double>(draw.prizes.amount[static_cast<std::size_t>(c)]);
        }
        for (int t = 0; t < kTrials; ++t) {
            // The classes one after another, each among the tickets the ones before left.
            int left = draw.tickets;
            double rest = 1.0;
            std::int64_t won = 0;
            for (int c = 0; c < kPrizeClassCount && left > 0; ++c) {
                const double p = std::min(1.0, PrizeProbability(c) / rest);
                const int winners = std::binomial_distribution<int>(left, p)(random);
                won += winners * draw.prizes.amount[static_cast<std::size_t>(c)];
                left -= winners;
                rest -= PrizeProbability(c);
            }
            drawOutcomes[static_cast<std::size_t>(t)] = won;
            totals[static_cast<std::size_t>(t)] += won;
        }
        cumulativeMean += mean;
        series.perDraw.push_back(Range(mean, drawOutcomes));
        sortedTotals = totals;
        series.cumulative.push_back(Range(cumulativeMean, sortedTotals));
    }
    return series;
}

}  // namespace pirumo
