#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "analyses/chance/binnedtable.h"
#include "analyses/chance/chancegrid.h"
#include "analyses/chance/chancemodel.h"
#include "analyses/chance/drawshapechance.h"
#include "analyses/chance/groupchance.h"
#include "analyses/chance/intervalchance.h"

namespace pirumo {
namespace {

double Choose(int n, int k) {
    return std::round(
        std::exp(std::lgamma(n + 1.0) - std::lgamma(k + 1.0) - std::lgamma(n - k + 1.0)));
}

// Closed forms for a fair draw, each against the figure of the window that shows it.
TEST(ChanceFigures, WindowsExpectWhatTheClosedFormsGive) {
    constexpr int kDraws = 500;
    const double fiveOf31 = Choose(31, 5);
    const double sixOf31 = Choose(31, 6);

    // No two main numbers consecutive: choose 5 of 27 and spread them out.
    const ChanceReport consecutive = CompareConsecutive({}, kDraws);
    EXPECT_NEAR(consecutive.tables.at(0).figures.at(0).expected, kDraws * Choose(27, 5) / fiveOf31,
                1e-6);

    // Smallest to largest 4..12 apart: (31 − d) places for the ends, C(d − 1, 3) for the rest.
    double narrow = 0;
    for (int d = 4; d <= 12; ++d) {
        narrow += (31 - d) * Choose(d - 1, 3);
    }
    const ChanceReport spread = CompareDispersion({}, kDraws);
    EXPECT_NEAR(spread.tables.at(0).figures.at(0).expected, kDraws * narrow / fiveOf31, 1e-6);

    // None of the nine numbers 01～09 among the six drawn.
    const ChanceReport groups = CompareFourGroup({}, kDraws);
    EXPECT_NEAR(groups.tables.at(0).figures.at(0).expected, kDraws * Choose(22, 6) / sixOf31, 1e-6);

    // Two bonus numbers alike: 1 in 31.
    PositionValueResult bonusThreeApart;
    PositionValueRow row;
    row.values[Draw::kBonusIndex] = 3;
    bonusThreeApart.rows.assign(kDraws, row);
    const ChanceReport gaps = CompareNumberGap(bonusThreeApart, kDraws);
    EXPECT_NEAR(gaps.tables.at(1).figures.at(0).expected, kDraws / 31.0, 1e-9);
    EXPECT_EQ(gaps.tables.at(1).figures.at(3).observed, kDraws);
}

// Every interval class together expects each number's appearances but its first:
// 31 · (n·p − 1 + (1 − p)^n), whatever the range's length.
// A range too short to test says so instead of giving a statistic.
TEST(ChanceFigures, TooFewDrawsAreNotTested) {
    const ChanceReport report = CompareAppearanceInterval({}, 1);
    EXPECT_FALSE(report.test.performed);
    EXPECT_EQ(ChanceTestLine(report.test), report.test.name);
    EXPECT_EQ(report.test.verdict, "回数が少なすぎて検定できません。");
}

TEST(ChanceFigures, IntervalsAddUpToAllButEachNumbersFirstAppearance) {
    constexpr double p = 6.0 / 31;
    for (int draws : {1, 10, 16, 17, 100, 1353}) {
        SCOPED_TRACE(draws);
        const ChanceReport report = CompareAppearanceInterval({}, draws);
        double expected = 0;
        for (const ChanceFigure& figure : report.tables.at(0).figures) {
            expected += figure.expected;
        }
        EXPECT_NEAR(expected, 31 * (draws * p - 1 + std::pow(1 - p, draws)), 1e-6);
    }
}

// The five differences of a row move together, so their pooled classes get wider ranges than
// binomial counts would, from simulated fair histories.
TEST(ChanceFigures, PooledDifferencesHaveSimulatedWiderRanges) {
    constexpr int kRows = 300;
    PositionValueResult sameEveryTime;
    PositionValueRow row;
    for (int field = 0; field < Draw::kFieldCount; ++field) {
        row.values[static_cast<std::size_t>(field)] = 2;
    }
    sameEveryTime.rows.assign(kRows, row);
    const ChanceReport report = CompareNumberGap(sameEveryTime, kRows);
    EXPECT_TRUE(report.test.performed);
    EXPECT_EQ(report.test.degreesOfFreedom, 0);
    EXPECT_LT(report.test.pValue, 0.01) << "every difference 2 is far from chance";
    int wider = 0;
    for (const ChanceFigure& figure : report.tables.at(0).figures) {
        const CountRange binomial = BinomialRange(5 * kRows, figure.expected / (5 * kRows));
        EXPECT_LE(figure.low, figure.expected);
        EXPECT_GE(figure.high, figure.expected);
        wider += figure.high - figure.low > binomial.high - binomial.low ? 1 : 0;
    }
    EXPECT_GE(wider, 7) << "of 10 classes";
}

TEST(ChanceFigures, BinnedTablesLabelAndCountTheirClasses) {
    const std::vector<double> probability(20, 0.05);
    const ChanceTable table =
        BinnedTable("表", "回", {2, {4, 5, 9}, "個"}, probability, {0, 2, 3, 4, 5, 7, 12, 19}, 8);
    std::vector<std::string> labels;
    std::vector<double> observed;
    std::vector<double> expected;
    for (const ChanceFigure& figure : table.figures) {
        labels.push_back(figure.label);
        observed.push_back(figure.observed);
        expected.push_back(figure.expected);
    }
    EXPECT_EQ(labels, (std::vector<std::string>{"2～4個", "5個", "6～9個", "10個以上"}));
    // 0 lies below the lowest class and is left out.
    EXPECT_EQ(observed, (std::vector<double>{3, 1, 1, 2}));
    const std::vector<double> shares{0.15, 0.05, 0.2, 0.5};
    for (std::size_t i = 0; i < shares.size(); ++i) {
        EXPECT_NEAR(expected[i], 8 * shares[i], 1e-12) << labels[i];
    }
}

}  // namespace
}  // namespace pirumo
