#include <gtest/gtest.h>

#include <cmath>

#include "prediction/backtest/backtestpower.h"

namespace pirumo {
namespace {

// A method that showed `pool` numbers for each of `draws` draws.
MethodSummary Method(int pool, int draws) {
    MethodSummary summary;
    summary.draws = draws;
    summary.chanceMatches = draws * ChanceMatches(pool);
    summary.chanceVariance = draws * ChanceVariance(pool);
    return summary;
}

// The edge is 1.96 standard errors of the mean over the chance mean, written out here from the
// hypergeometric mean 5k/31 and variance k·(5/31)·(26/31)·(31−k)/30.
TEST(BacktestPower, DetectableEdgeShrinksWithTheSquareRootOfTheDraws) {
    struct Case {
        int pool;
        int draws;
        double edge;
    };
    const auto byHand = [](int k, int n) {
        const double mean = 5.0 * k / 31;
        const double variance = k * (5.0 / 31) * (26.0 / 31) * (31.0 - k) / 30;
        return 1.959964 * std::sqrt(variance / n) / mean;
    };
    for (const Case& c : {Case{5, 1304, 0.052}, Case{5, 326, 0.104}, Case{10, 1304, 0.033}}) {
        SCOPED_TRACE(std::to_string(c.pool) + " numbers, " + std::to_string(c.draws) + " draws");
        EXPECT_NEAR(DetectableEdge(Method(c.pool, c.draws)), byHand(c.pool, c.draws), 1e-7);
        EXPECT_NEAR(DetectableEdge(Method(c.pool, c.draws)), c.edge, 0.001);
    }
    EXPECT_EQ(DetectableEdge(Method(0, 100)), 0.0);
    EXPECT_EQ(DetectableEdge(MethodSummary{}), 0.0);
}

TEST(BacktestPower, NotesSayHowOftenOneOfSeveralMethodsIsFlaggedByChance) {
    EXPECT_NEAR(ChanceOfAnyFlagged(4), 0.1855, 0.0001);
    EXPECT_NEAR(ChanceOfAnyFlagged(1), 0.05, 1e-12);

    BacktestResult result;
    result.draws.resize(60);
    result.summary[0] = Method(5, 60);
    ASSERT_EQ(BacktestPowerNotes(result).size(), 1u) << "one method: no note on many methods";
    EXPECT_NE(BacktestPowerNotes(result)[0].find("この 60 回分"), std::string::npos);
    result.summary[1] = Method(8, 60);
    result.summary[3] = Method(5, 60);
    const std::vector<std::string> notes = BacktestPowerNotes(result);
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_NE(notes[1].find("3 つの方法"), std::string::npos) << notes[1];
    EXPECT_NE(notes[1].find("約 14 %（7 回に 1 回）"), std::string::npos) << notes[1];
    EXPECT_TRUE(BacktestPowerNotes(BacktestResult{}).empty());
}

}  // namespace
}  // namespace pirumo
