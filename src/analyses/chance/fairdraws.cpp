#include "analyses/chance/fairdraws.h"

#include <algorithm>
#include <boost/math/distributions/hypergeometric.hpp>
#include <boost/random/uniform_int_distribution.hpp>

namespace pirumo {

namespace {

FairDrawDistributions Enumerate() {
    FairDrawDistributions fair;
    constexpr int kMostMainSum = 27 + 28 + 29 + 30 + 31;
    fair.mainSum.assign(kMostMainSum + 1, 0);
    fair.totalSum.assign(kMostMainSum + kChancePool + 1, 0);
    fair.span.assign(kChancePool, 0);
    std::array<int, kChanceMainPicks> n{};
    for (n[0] = 1; n[0] <= kChancePool; ++n[0]) {
        for (n[1] = n[0] + 1; n[1] <= kChancePool; ++n[1]) {
            for (n[2] = n[1] + 1; n[2] <= kChancePool; ++n[2]) {
                for (n[3] = n[2] + 1; n[3] <= kChancePool; ++n[3]) {
                    for (n[4] = n[3] + 1; n[4] <= kChancePool; ++n[4]) {
                        ++fair.combinations;
                        const int sum = n[0] + n[1] + n[2] + n[3] + n[4];
                        fair.mainSum[static_cast<std::size_t>(sum)] += 1;
                        // Every number not among the five is the bonus once: the total over all
                        // 31 numbers less the five, added one by one.
                        for (int bonus = 1; bonus <= kChancePool; ++bonus) {
                            if (std::find(n.begin(), n.end(), bonus) == n.end()) {
                                fair.totalSum[static_cast<std::size_t>(sum + bonus)] += 1;
                            }
                        }
                        fair.span[static_cast<std::size_t>(n[4] - n[0])] += 1;
                        int consecutive = 0;
                        int skipOne = 0;
                        for (int i = 0; i + 1 < kChanceMainPicks; ++i) {
                            const int step =
                                n[static_cast<std::size_t>(i + 1)] - n[static_cast<std::size_t>(i)];
                            consecutive += step == 1 ? 1 : 0;
                            skipOne += step == 2 ? 1 : 0;
                        }
                        fair.consecutivePairs[static_cast<std::size_t>(consecutive)] += 1;
                        fair.skipOnePairs[static_cast<std::size_t>(skipOne)] += 1;
                        for (std::size_t i = 0; i < n.size(); ++i) {
                            fair.position[i][static_cast<std::size_t>(n[i])] += 1;
                        }
                    }
                }
            }
        }
    }
    const double combinations = fair.combinations;
    const double withBonus = combinations * (kChancePool - kChanceMainPicks);
    for (double& p : fair.mainSum) {
        p /= combinations;
    }
    for (double& p : fair.totalSum) {
        p /= withBonus;
    }
    for (double& p : fair.span) {
        p /= combinations;
    }
    for (double& p : fair.consecutivePairs) {
        p /= combinations;
    }
    for (double& p : fair.skipOnePairs) {
        p /= combinations;
    }
    for (auto& distribution : fair.position) {
        for (double& p : distribution) {
            p /= combinations;
        }
    }
    return fair;
}

}  // namespace

const FairDrawDistributions& FairDraws() {
    static const FairDrawDistributions fair = Enumerate();
    return fair;
}

double ClassCountProbability(int classSize, int picks, int k) {
    if (k < 0 || k > classSize || k > picks || picks - k > kChancePool - classSize) {
        return 0;
    }
    const boost::math::hypergeometric_distribution<> count(static_cast<unsigned>(classSize),
                                                           static_cast<unsigned>(picks),
                                                           static_cast<unsigned>(kChancePool));
    return boost::math::pdf(count, static_cast<unsigned>(k));
}

std::array<std::int16_t, kChanceAllPicks> FairDrawSource::Next() {
    // The first six of a shuffled 1..31: five main numbers, then the bonus.
    std::array<std::int16_t, kChancePool> pool{};
    for (std::size_t i = 0; i < pool.size(); ++i) {
        pool[i] = static_cast<std::int16_t>(i + 1);
    }
    std::array<std::int16_t, kChanceAllPicks> numbers{};
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        boost::random::uniform_int_distribution<std::size_t> pick(i, pool.size() - 1);
        std::swap(pool[i], pool[pick(mEngine)]);
        numbers[i] = pool[i];
    }
    std::sort(numbers.begin(), numbers.begin() + kChanceMainPicks);
    return numbers;
}

DrawHistory SimulateFairHistory(int count, std::uint32_t seed) {
    FairDrawSource source(seed);
    std::vector<Draw> draws;
    draws.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (int d = 1; d <= count; ++d) {
        Draw draw;
        draw.drawNumber = d;
        const auto numbers = source.Next();
        std::copy(numbers.begin(), numbers.end(), draw.numbers.begin());
        draws.push_back(draw);
    }
    return DrawHistory(std::move(draws));
}

}  // namespace pirumo
