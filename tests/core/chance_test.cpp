#include <gtest/gtest.h>

#include <cmath>

#include "analyses/analysiscatalog.h"
#include "analyses/chance/chancemodel.h"
#include "analysiswindowrun.h"

namespace pirumo {
namespace {

// P(X = k) for X ~ Binomial(n, p), from logarithms of factorials.
double BinomialProbability(int n, int k, double p) {
    return std::exp(std::lgamma(n + 1.0) - std::lgamma(k + 1.0) - std::lgamma(n - k + 1.0) +
                    k * std::log(p) + (n - k) * std::log1p(-p));
}

double BinomialAtMost(int n, int k, double p) {
    double sum = 0;
    for (int i = 0; i <= k; ++i) {
        sum += BinomialProbability(n, i, p);
    }
    return sum;
}

TEST(ChanceModel, CountRangesAreTheBinomialQuantiles) {
    struct Case {
        int draws;
        double p;
    };
    for (const Case c : {Case{10, 5.0 / 31}, Case{100, 5.0 / 31}, Case{1353, 6.0 / 31},
                         Case{1353, 5.0 / 31}, Case{50, 0.5}}) {
        SCOPED_TRACE(c.draws);
        const ChanceFigure figure = CountFigure("7", 0, c.draws, c.p);
        EXPECT_NEAR(figure.expected, c.draws * c.p, 1e-9);
        const int low = static_cast<int>(figure.low);
        const int high = static_cast<int>(figure.high);
        // At most 2.5 % below the range and above it, and neither end could move inwards.
        const double below = low > 0 ? BinomialAtMost(c.draws, low - 1, c.p) : 0;
        const double above = 1 - BinomialAtMost(c.draws, high, c.p);
        EXPECT_LE(below, 0.025 + 1e-9);
        EXPECT_GT(BinomialAtMost(c.draws, low, c.p), 0.025);
        EXPECT_LE(above, 0.025 + 1e-9);
        EXPECT_GT(1 - BinomialAtMost(c.draws, high - 1, c.p), 0.025);
        EXPECT_NEAR(figure.outsideProbability, below + above, 1e-9);
    }
}

TEST(ChanceModel, ChiSquareMergesSmallClassesAndGivesTheUpperTail) {
    // Two classes of 50 expected, 60 and 40 observed: 2 + 2 = 4 on one degree of freedom,
    // whose upper tail is erfc(sqrt(4 / 2)).
    const ChanceTest test = ChiSquareTest("検定", {60, 40, 0}, {50, 49, 1});
    EXPECT_EQ(test.degreesOfFreedom, 1);
    EXPECT_NEAR(test.statistic, 4, 1e-9);
    EXPECT_NEAR(test.pValue, std::erfc(std::sqrt(2.0)), 1e-9);
    EXPECT_FALSE(test.verdict.empty());
}

TEST(ChanceReport, CountsPerNumberOfTheRealHistory) {
    const DrawHistory history = test::LoadRealHistory();
    const ChanceReport report = FindAnalysis("出現回数分析")->chance(history);
    ASSERT_EQ(report.draws, 1353);
    ASSERT_EQ(report.tables.size(), 1u);
    const auto& figures = report.tables[0].figures;
    ASSERT_EQ(figures.size(), 31u);
    for (int n = 1; n <= 31; ++n) {
        const ChanceFigure& figure = figures[static_cast<std::size_t>(n - 1)];
        EXPECT_EQ(figure.label, std::to_string(n));
        EXPECT_EQ(figure.observed, history.NumberCounts()[static_cast<std::size_t>(n)]);
        EXPECT_NEAR(figure.expected, 1353 * 6.0 / 31, 1e-9);
    }
    EXPECT_EQ(report.test.degreesOfFreedom, 30);
    EXPECT_GT(report.test.pValue, 0);
    EXPECT_LT(report.test.pValue, 1);
    // Each of the 31 counts is outside with about 4.6 % chance.
    EXPECT_NEAR(report.expectedOutside, 31 * 0.046, 0.2);
}

}  // namespace
}  // namespace pirumo
