#pragma once

#include <string>
#include <vector>

#include "analyses/chance/chancereport.h"

namespace pirumo {

// A fair draw: five distinct main numbers uniform from 1..31, then a bonus uniform from the
// other 26, so that the six together are a uniform choice of six of the 31.
inline constexpr int kChancePool = 31;
inline constexpr int kChanceMainPicks = 5;
inline constexpr int kChanceAllPicks = 6;

// The range holding at least 95 % of a Binomial(trials, p) count: no more than 2.5 % of the
// probability lies below `low` and no more than 2.5 % above `high`.
struct CountRange {
    int low = 0;
    int high = 0;
    double outsideProbability = 0;  // P(count < low) + P(count > high)
};
CountRange BinomialRange(int trials, double p);
// P(count <= k) for a Binomial(trials, p) count.
double BinomialAtMost(int trials, double p, int k);

// A count of `trials` independent chances of probability p, beside its expectation and range.
ChanceFigure CountFigure(std::string label, int observed, int trials, double p);

// One class of a distribution: its label, how many draws fell into it and its probability in a
// fair draw.
struct ChanceClass {
    std::string label;
    int observed = 0;
    double probability = 0;
};

// The classes as a distribution over `trials` draws: each a binomial count.
ChanceTable DistributionTable(std::string title, std::string unit,
                              const std::vector<ChanceClass>& classes, int trials);

// Pearson's chi-square test of observed against expected counts, classes with less than five
// expected merged into their neighbours first. `scale` corrects the statistic where a draw
// adds several numbers at once (see NumberChoiceScale).
ChanceTest ChiSquareTest(std::string name, const std::vector<double>& observed,
                         const std::vector<double>& expected, double scale = 1);
// The test of a table's figures.
ChanceTest ChiSquareTest(std::string name, const ChanceTable& table, double scale = 1);

// Counting numbers by class when each draw chooses `picks` distinct numbers of the 31: the
// classes vary less than independent choices would, by (31 - picks) / 30; dividing by that
// gives the statistic its usual chi-square distribution.
double NumberChoiceScale(int picks);

// Fills the report's expected count of figures outside their ranges.
void CountExpectedOutside(ChanceReport& report);

}  // namespace pirumo
