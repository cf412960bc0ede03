#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>
#include <utility>
#include <vector>

#include "history/store/samplehistory.h"
#include "prediction/backtest/backtest.h"
#include "prediction/backtest/backtestgrids.h"
#include "prediction/backtest/prizeclass.h"
#include "prediction/garuponpredictor.h"
#include "testhistory.h"

namespace pirumo {
namespace {

std::array<PredictionRows, kMethodCount> FreshPrediction(const std::vector<Draw>& rows, int below,
                                                         const PredictionOptions& options) {
    std::vector<Draw> earlier;
    std::copy_if(rows.begin(), rows.end(), std::back_inserter(earlier),
                 [&](const Draw& d) { return d.drawNumber < below; });
    GaruponPredictor predictor;
    predictor.Options() = options;
    predictor.Load(DrawHistory(earlier));
    std::array<PredictionRows, kMethodCount> shown;
    for (int m = 0; m < kMethodCount; ++m) {
        shown[static_cast<std::size_t>(m)] = predictor.Prediction().Rows(m);
    }
    return shown;
}

// The draw-by-draw tables must give, for every target, what a fresh load of the shortened history
// gives: across gaps in the numbering, rows with an empty field and every option count.
TEST(BacktestTest, EveryDrawMatchesAFreshLoadOfTheDrawsBeforeIt) {
    std::vector<Draw> rows = MakeSampleHistory(160, 7);
    rows.erase(std::remove_if(rows.begin(), rows.end(),
                              [](const Draw& d) { return d.drawNumber % 17 == 0; }),
               rows.end());
    for (Draw& d : rows) {
        if (d.drawNumber % 23 == 0) {
            d.numbers[Draw::kBonusIndex] = Draw::kEmptyField;
        }
    }
    const DrawHistory history(rows);
    for (int reflected : {0, 5}) {
        PredictionOptions options;
        for (int i = 0; i < reflected; ++i) {
            options.reflect[static_cast<std::size_t>(i)] = true;
        }
        const BacktestResult result = RunBacktest(history, options, 1, 160);
        EXPECT_EQ(result.reflected, reflected);
        std::size_t checked = 0;
        for (const Draw& d : rows) {
            if (!IsValidDraw(d)) {
                continue;
            }
            ASSERT_LT(checked, result.draws.size());
            const BacktestDraw& scored = result.draws[checked++];
            ASSERT_EQ(scored.drawNumber, d.drawNumber);
            EXPECT_EQ(scored.Shown(), FreshPrediction(rows, d.drawNumber, options))
                << "draw " << d.drawNumber << ", " << reflected << " options";
        }
        EXPECT_EQ(checked, result.draws.size());
    }
}

TEST(BacktestTest, ScoresPoolsAndTicketsAgainstTheDraw) {
    const Draw draw = test::MakeDraw(9, {1, 2, 3, 4, 5}, 6);
    std::array<PredictionRows, kMethodCount> shown;
    shown[kCycleGrid] = {{1, 2, 3, 4, 6}, {1, 1, 2, 3, 4}, {7, 8}, {}};
    shown[kEliminationGrid] = {{5, 4, 3, 2, 1}, {9, 10, 11, 12, 13}, {3, 4, 5}};
    shown[kRapidFireGrid] = {{1, 2, 3, 4, 7}, {1, 2, 3, 8, 9}};
    shown[kOneShotGrid] = {{20, 21, 22, 23}};
    const BacktestDraw scored = ScoreShownRows(draw, shown);

    EXPECT_EQ(scored.Pool(kCycleGrid), (std::vector<int>{1, 2, 3, 4, 6, 7, 8}));
    EXPECT_EQ(scored.PoolSize(kOneShotGrid), 4);
    EXPECT_EQ(scored.matches, (std::array<int, 4>{4, 5, 4, 0}));
    EXPECT_EQ(scored.RowPrizes(kCycleGrid),
              (std::vector<PrizeClass>{kSecondPrize, kNoPrize, kNoPrize, kNoPrize}));
    EXPECT_EQ(scored.RowPrizes(kEliminationGrid),
              (std::vector<PrizeClass>{kFirstPrize, kNoPrize, kNoPrize}));
    EXPECT_EQ(scored.RowPrizes(kRapidFireGrid),
              (std::vector<PrizeClass>{kThirdPrize, kFourthPrize}));

    std::array<MethodSummary, kMethodCount> summary;
    AddToSummary(scored, summary);
    AddToSummary(scored, summary);
    // Rows with a repeated number or fewer than five numbers are no tickets.
    EXPECT_EQ(summary[kCycleGrid].tickets, 2);
    EXPECT_EQ(summary[kEliminationGrid].tickets, 4);
    EXPECT_EQ(summary[kOneShotGrid].tickets, 0);
    EXPECT_EQ(summary[kRapidFireGrid].prizes, (std::array<int, 4>{0, 0, 2, 2}));
    EXPECT_EQ(summary[kCycleGrid].matches, 8);
    EXPECT_DOUBLE_EQ(summary[kCycleGrid].ChanceMean(), 5.0 * 7 / 31);
    EXPECT_DOUBLE_EQ(summary[kCycleGrid].ExpectedPrizes(kFourthPrize), 2.0 * 3250 / 169911);
    EXPECT_NEAR(summary[kOneShotGrid].ChanceHigh() - summary[kOneShotGrid].ChanceMean(),
                1.959964 * std::sqrt(2 * ChanceVariance(4)) / 2, 1e-12);
}

// The scored draw gives back every row as shown, empty rows and repeats included, and refuses a
// number it could not keep.
TEST(BacktestTest, KeepsTheShownRowsAsShown) {
    const Draw draw = test::MakeDraw(9, {1, 2, 3, 4, 5}, 6);
    std::array<PredictionRows, kMethodCount> shown;
    shown[kCycleGrid] = {{}, {31, 31}, {}, {1, 2, 3, 4, 5}};
    shown[kEliminationGrid] = {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17}};
    shown[kOneShotGrid] = {{}};
    EXPECT_EQ(ScoreShownRows(draw, shown).Shown(), shown);
    EXPECT_EQ(ScoreShownRows(draw, shown).Tickets(kCycleGrid), 1);

    for (const int wrong : {0, 32, -1, 255}) {
        shown[kRapidFireGrid] = {{1, 2, wrong}};
        EXPECT_THROW(ScoreShownRows(draw, shown), std::invalid_argument) << wrong;
    }
}

double Choose(int n, int k) {
    if (k < 0 || k > n) {
        return 0;
    }
    double c = 1;
    for (int i = 1; i <= k; ++i) {
        c = c * (n - k + i) / i;
    }
    return c;
}

// The chance figures against the distribution itself: matches of a pool of k with five of 31.
TEST(BacktestTest, ChanceFiguresAreTheHypergeometricMoments) {
    for (int k = 0; k <= 31; ++k) {
        double mean = 0;
        double square = 0;
        for (int x = 0; x <= 5; ++x) {
            const double p = Choose(k, x) * Choose(31 - k, 5 - x) / Choose(31, 5);
            mean += x * p;
            square += x * x * p;
        }
        EXPECT_NEAR(ChanceMatches(k), mean, 1e-12) << k;
        EXPECT_NEAR(ChanceVariance(k), square - mean * mean, 1e-12) << k;
    }
}

// The odds of each class by counting every combination against one draw.
TEST(BacktestTest, PrizeOddsCountEveryCombination) {
    const Draw draw = test::MakeDraw(1, {3, 9, 14, 22, 30}, 17);
    std::array<int, kPrizeClassCount + 1> counts{};
    int combinations = 0;
    std::array<int, 5> t{};
    for (t[0] = 1; t[0] <= 27; ++t[0])
        for (t[1] = t[0] + 1; t[1] <= 28; ++t[1])
            for (t[2] = t[1] + 1; t[2] <= 29; ++t[2])
                for (t[3] = t[2] + 1; t[3] <= 30; ++t[3])
                    for (t[4] = t[3] + 1; t[4] <= 31; ++t[4]) {
                        ++combinations;
                        ++counts[static_cast<std::size_t>(ClassifyTicket(t, draw))];
                    }
    EXPECT_EQ(combinations, kCombinations);
    for (int p = 0; p < kPrizeClassCount; ++p) {
        EXPECT_EQ(counts[static_cast<std::size_t>(p)],
                  kWinningCombinations[static_cast<std::size_t>(p)])
            << kPrizeClassNames[static_cast<std::size_t>(p)];
    }
}

TEST(BacktestTest, OnlyFiveDistinctNumbersFromOneTo31AreATicket) {
    const std::vector<std::pair<std::vector<int>, bool>> cases{
        {{1, 2, 3, 4, 5}, true},     {{31, 7, 19, 2, 11}, true}, {{1, 2, 3, 4}, false},
        {{1, 2, 3, 4, 4}, false},    {{0, 2, 3, 4, 5}, false},   {{1, 2, 3, 4, 32}, false},
        {{1, 2, 3, 4, 5, 6}, false},
    };
    for (const auto& [numbers, ticket] : cases) {
        EXPECT_EQ(IsTicket(numbers), ticket) << ::testing::PrintToString(numbers);
    }
}

TEST(BacktestTest, DefaultRangeStartsAfterFiftyValidDraws) {
    std::vector<Draw> rows = MakeSampleHistory(80, 3);
    rows[10].numbers[2] = Draw::kEmptyField;  // draw 11 does not count
    rows.erase(rows.begin() + 20);            // nor does the missing draw 21
    EXPECT_EQ(DefaultBacktestRange(DrawHistory(rows)), (std::pair<int, int>{53, 80}));

    rows.resize(50);
    EXPECT_THROW(DefaultBacktestRange(DrawHistory(rows)), BacktestError);
    EXPECT_THROW(RunBacktest(DrawHistory(rows), {}, 60, 70), BacktestError);
}

TEST(BacktestTest, CancelKeepsTheDrawsCheckedSoFar) {
    const DrawHistory history(MakeSampleHistory(120, 5));
    int calls = 0;
    const BacktestResult result = RunBacktest(history, {}, 51, 120, [&](int done, int total) {
        ++calls;
        EXPECT_EQ(total, 70);
        return done < 10;
    });
    EXPECT_EQ(calls, 10);
    ASSERT_EQ(result.draws.size(), 10u);
    EXPECT_EQ(result.summary[kOneShotGrid].draws, 10);
}

// The headings 当選数字 and 予想した数字 run across several columns: no column line may cross
// them, and the span keeps its frame.
TEST(BacktestTest, DrawTableFramesItsLongHeadingsWhole) {
    std::array<PredictionRows, kMethodCount> shown;
    shown[kCycleGrid] = {{1, 2, 3, 4, 6}, {7, 8}};
    BacktestResult result;
    result.draws.push_back(ScoreShownRows(test::MakeDraw(9, {1, 2, 3, 4, 5}, 6), shown));
    ResultGrid grid;
    FillBacktestDrawGrid(result, kCycleGrid, grid);
    const int poolEnd = 9 + 7 - 1;
    const std::vector<std::pair<int, int>> spans{{3, 7}, {9, poolEnd}};
    for (const auto& [first, last] : spans) {
        for (int c = first; c <= last; ++c) {
            SCOPED_TRACE(c);
            const int expected = border::kTop | border::kBottom | (c == first ? border::kLeft : 0) |
                                 (c == last ? border::kRight : 0);
            EXPECT_EQ(grid.StyleAt(c, 1).borders, expected);
            EXPECT_EQ(grid.StyleAt(c, 2).borders, border::kAll);
        }
    }
    EXPECT_EQ(grid.StyleAt(8, 1).borders, border::kAll);
}

}  // namespace
}  // namespace pirumo
