#include "analyses/chance/intervalchance.h"

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "analyses/chance/binnedtable.h"
#include "analyses/chance/chancemodel.h"
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
    report.test = ChiSquareTest("カイ二乗検定（本数字の差の分布、近似）", report.tables.front());
    CountExpectedOutside(report);
    return report;
}

}  // namespace pirumo
