#include "analyses/chance/intervalchance.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "analyses/chance/binnedtable.h"
#include "analyses/chance/chancemodel.h"
#include "analyses/chance/chancewords.h"
#include "analyses/chance/fairdraws.h"

namespace pirumo {

namespace {

constexpr int kLongestIntervalClass = 15;  // longer intervals are counted together

// A number is drawn (main or bonus) with probability p in each draw, so an interval of k draws
// starts at each of the range's draws but the last k with probability p² (1 − p)^(k − 1), for
// each of the 31 numbers.
ChanceFigure IntervalFigure(int k, int observed, int draws) {
    constexpr double p = static_cast<double>(kChanceAllPicks) / kChancePool;
    const int starts = kChancePool * std::max(draws - k, 0);
    return CountFigure(std::to_string(k) + "回前", observed, starts,
                       p * p * std::pow(1 - p, k - 1));
}

ChanceFigure LongIntervalFigure(int observed, int draws) {
    constexpr double p = static_cast<double>(kChanceAllPicks) / kChancePool;
    double expected = 0;
    for (int k = kLongestIntervalClass + 1; k < draws; ++k) {
        expected += kChancePool * (draws - k) * p * p * std::pow(1 - p, k - 1);
    }
    const int starts = kChancePool * std::max(draws - kLongestIntervalClass - 1, 0);
    const std::string label = std::to_string(kLongestIntervalClass + 1) + "回前以上";
    if (starts == 0) {
        return CountFigure(label, observed, 0, 0);
    }
    return CountFigure(label, observed, starts, expected / starts);
}

// P(|a − b| = d) for independent a and b with these distributions over 1..31.
std::vector<double> DifferenceDistribution(const std::vector<double>& a,
                                           const std::vector<double>& b) {
    std::vector<double> difference(kChancePool, 0);
    for (int x = 1; x <= kChancePool; ++x) {
        for (int y = 1; y <= kChancePool; ++y) {
            difference[static_cast<std::size_t>(std::abs(x - y))] +=
                a[static_cast<std::size_t>(x)] * b[static_cast<std::size_t>(y)];
        }
    }
    return difference;
}

const ValueClasses kDifferenceClasses{0, {0, 1, 2, 3, 4, 5, 7, 10, 15}, ""};

std::size_t DifferenceClassOf(int difference) {
    const auto& bounds = kDifferenceClasses.bounds;
    return static_cast<std::size_t>(std::lower_bound(bounds.begin(), bounds.end(), difference) -
                                    bounds.begin());
}

double PearsonStatistic(const std::vector<double>& observed, const std::vector<double>& expected) {
    double statistic = 0;
    for (std::size_t i = 0; i < observed.size(); ++i) {
        if (expected[i] > 0) {
            statistic += (observed[i] - expected[i]) * (observed[i] - expected[i]) / expected[i];
        }
    }
    return statistic;
}

// The five differences of a row rise and fall together (a low draw after a high one moves every
// field far), so the pooled classes vary more than binomial counts: their ranges and the test
// come from fair histories simulated with a fixed seed instead.
struct SimulatedDifferences {
    std::vector<int> low;
    std::vector<int> high;
    std::vector<double> outsideProbability;
    std::vector<double> statistics;  // ascending
};

SimulatedDifferences SimulateDifferences(int rows, const std::vector<double>& expected) {
    constexpr int kHistories = 400;
    constexpr std::uint32_t kSeed = 20260602;
    FairDrawSource source(kSeed);
    const std::size_t classes = expected.size();
    std::vector<std::vector<int>> counts(classes);
    SimulatedDifferences simulated;
    for (int h = 0; h < kHistories; ++h) {
        std::vector<double> history(classes, 0);
        auto previous = source.Next();
        for (int r = 0; r < rows; ++r) {
            const auto next = source.Next();
            for (int i = 0; i < kChanceMainPicks; ++i) {
                const auto k = static_cast<std::size_t>(i);
                history[DifferenceClassOf(std::abs(next[k] - previous[k]))] += 1;
            }
            previous = next;
        }
        for (std::size_t c = 0; c < classes; ++c) {
            counts[c].push_back(static_cast<int>(history[c]));
        }
        simulated.statistics.push_back(PearsonStatistic(history, expected));
    }
    std::sort(simulated.statistics.begin(), simulated.statistics.end());
    for (std::vector<int>& classCounts : counts) {
        std::sort(classCounts.begin(), classCounts.end());
        const int low = classCounts[kHistories * 25 / 1000];
        const int high = classCounts[kHistories - kHistories * 25 / 1000 - 1];
        const auto outside = std::count_if(classCounts.begin(), classCounts.end(),
                                           [&](int c) { return c < low || c > high; });
        simulated.low.push_back(low);
        simulated.high.push_back(high);
        simulated.outsideProbability.push_back(static_cast<double>(outside) / kHistories);
    }
    return simulated;
}

// Simulated once for each number of rows, as a range is chosen again and again.
const SimulatedDifferences& SimulatedDifferencesFor(int rows, const std::vector<double>& expected) {
    static std::mutex guard;
    static std::map<int, SimulatedDifferences> simulated;
    const std::lock_guard<std::mutex> lock(guard);
    auto found = simulated.find(rows);
    if (found == simulated.end()) {
        found = simulated.emplace(rows, SimulateDifferences(rows, expected)).first;
    }
    return found->second;
}

ChanceTest SimulatedTest(ChanceTable& table, int rows) {
    std::vector<double> observed;
    std::vector<double> expected;
    for (const ChanceFigure& figure : table.figures) {
        observed.push_back(figure.observed);
        expected.push_back(figure.expected);
    }
    ChanceTest test;
    test.name = "シミュレーション検定（本数字の差の分布、固定シードの 400 履歴）";
    if (rows == 0) {
        test.verdict = "回数が少なすぎて検定できません。";
        return test;
    }
    const SimulatedDifferences& simulated = SimulatedDifferencesFor(rows, expected);
    for (std::size_t c = 0; c < table.figures.size(); ++c) {
        table.figures[c].low = simulated.low[c];
        table.figures[c].high = simulated.high[c];
        table.figures[c].outsideProbability = simulated.outsideProbability[c];
    }
    test.performed = true;
    test.statistic = PearsonStatistic(observed, expected);
    const auto atLeast =
        simulated.statistics.end() -
        std::lower_bound(simulated.statistics.begin(), simulated.statistics.end(), test.statistic);
    test.pValue =
        static_cast<double>(atLeast + 1) / static_cast<double>(simulated.statistics.size() + 1);
    test.verdict = PValueInWords(test.pValue);
    return test;
}

}  // namespace

ChanceReport CompareAppearanceInterval(const PositionValueResult& result, int draws) {
    std::vector<int> observed(kLongestIntervalClass + 2, 0);
    for (const PositionValueRow& row : result.rows) {
        for (const auto& interval : row.values) {
            if (interval && *interval >= 1) {
                ++observed[static_cast<std::size_t>(
                    std::min(*interval, kLongestIntervalClass + 1))];
            }
        }
    }
    ChanceTable table{"出現間隔の分布（本数字とボーナス数字）", "回", true, {}};
    for (int k = 1; k <= kLongestIntervalClass; ++k) {
        table.figures.push_back(IntervalFigure(k, observed[static_cast<std::size_t>(k)], draws));
    }
    table.figures.push_back(LongIntervalFigure(observed.back(), draws));
    ChanceReport report;
    report.draws = draws;
    report.tables.push_back(std::move(table));
    report.test = ChiSquareTest("カイ二乗検定（出現間隔の分布、近似）", report.tables.front());
    CountExpectedOutside(report);
    return report;
}

ChanceReport CompareNumberGap(const PositionValueResult& result, int draws) {
    const FairDrawDistributions& fair = FairDraws();
    // The five fields pooled: each adds its own field's distribution once per difference.
    std::vector<double> mainDifference(kChancePool, 0);
    for (const auto& position : fair.position) {
        const std::vector<double> field(position.begin(), position.end());
        const std::vector<double> difference = DifferenceDistribution(field, field);
        for (std::size_t d = 0; d < difference.size(); ++d) {
            mainDifference[d] += difference[d] / kChanceMainPicks;
        }
    }
    const std::vector<double> uniform = [] {
        std::vector<double> u(kChancePool + 1, 1.0 / kChancePool);
        u[0] = 0;
        return u;
    }();
    std::vector<int> mainValues;
    std::vector<int> bonusValues;
    for (const PositionValueRow& row : result.rows) {
        for (std::size_t k = 0; k < row.values.size(); ++k) {
            if (row.values[k]) {
                (k < kChanceMainPicks ? mainValues : bonusValues)
                    .push_back(std::abs(*row.values[k]));
            }
        }
    }
    ChanceReport report;
    report.draws = draws;
    report.tables.push_back(BinnedTable("本数字の前回との差（絶対値、第1～第5数字）", "個",
                                        kDifferenceClasses, mainDifference, mainValues,
                                        static_cast<int>(mainValues.size())));
    report.tables.push_back(BinnedTable("ボーナス数字の前回との差（絶対値）", "回",
                                        kDifferenceClasses,
                                        DifferenceDistribution(uniform, uniform), bonusValues,
                                        static_cast<int>(bonusValues.size())));
    report.test = SimulatedTest(report.tables.front(),
                                static_cast<int>(mainValues.size()) / kChanceMainPicks);
    CountExpectedOutside(report);
    return report;
}

}  // namespace pirumo
