#include <gtest/gtest.h>

#include <cmath>

#include "history/import/historycsv.h"
#include "historybodies.h"
#include "prediction/backtest/backtestexport.h"
#include "prediction/backtest/numbercheck.h"
#include "prediction/backtest/prizeclass.h"
#include "prediction/money/randomtickets.h"
#include "prediction/money/winningchance.h"
#include "prediction/money/yentext.h"

namespace pirumo {
namespace {

const DrawPrizes kDraw1353{{1, 67, 1512, 45382}, {9947500, 159900, 12200, 1000}};

// The k-th point of Binomial(n, p): the least x with P(X <= x) >= k.
int BinomialPoint(int n, double p, double k) {
    double pmf = std::pow(1 - p, n);
    double cdf = pmf;
    int x = 0;
    while (cdf < k) {
        pmf *= (n - x) * p / ((x + 1) * (1 - p));
        cdf += pmf;
        ++x;
    }
    return x;
}

TEST(MoneyTest, OneTicketIsWorthTheChanceOfEachClassTimesItsAmount) {
    EXPECT_DOUBLE_EQ(ExpectedTicketWinnings(kDraw1353),
                     (9947500.0 + 5 * 159900.0 + 125 * 12200.0 + 3250 * 1000.0) / 169911);
    const auto average = AverageTicketWinnings(ReadCsvHistoryFile(test::RealHistoryCsv()));
    ASSERT_TRUE(average);
    EXPECT_NEAR(*average / kTicketPrice, 0.535, 0.0005);
    EXPECT_FALSE(AverageTicketWinnings(test::SomeDraws(3)));
}

TEST(MoneyTest, DrawsWithoutPrizeDataAreLeftOutAndSaidSo) {
    const TicketPurchase purchases[] = {
        {kDraw1353, 3}, {std::nullopt, 5}, {kDraw1353, 0}, {kDraw1353, 1}};
    const RandomTicketWinnings w = SimulateRandomTickets(purchases);
    EXPECT_EQ(w.draws, 3);
    EXPECT_EQ(w.coveredDraws, 2);
    EXPECT_EQ(w.tickets, 4);
    EXPECT_EQ(w.spent, 800);
    EXPECT_DOUBLE_EQ(w.expectedWon, 4 * ExpectedTicketWinnings(kDraw1353));
    // Four tickets win nothing at all 92 % of the time, and 4等 at most in all but 0.5 %.
    EXPECT_EQ(w.lowWon, 0);
    EXPECT_EQ(w.highWon, 1000);
    EXPECT_EQ(SimulateRandomTickets({}).spent, 0);
}

// With only 4等 paid, the winnings are 1,000 yen times a binomial count, whose points are known.
TEST(MoneyTest, TheRangeMatchesAnExactDistribution) {
    const DrawPrizes onlyFourth{{0, 0, 0, 100}, {0, 0, 0, 1000}};
    std::vector<TicketPurchase> purchases(200, TicketPurchase{onlyFourth, 10});
    const RandomTicketWinnings w = SimulateRandomTickets(purchases);
    const double p = PrizeProbability(kFourthPrize);
    EXPECT_NEAR(w.lowWon / 1000, BinomialPoint(2000, p, 0.025), 1);
    EXPECT_NEAR(w.highWon / 1000, BinomialPoint(2000, p, 0.975), 1);
    EXPECT_EQ(SimulateRandomTickets(purchases).highWon, w.highWon);  // a fixed seed
}

// Five random tickets a draw over the history win a 1等 about 4 % of the time: the top of the
// range holds one, far above any normal approximation around the mean.
TEST(MoneyTest, TheRangeKeepsTheSkewOfARareBigPrize) {
    std::vector<TicketPurchase> purchases;
    for (const Draw& d : ReadCsvHistoryFile(test::RealHistoryCsv())) {
        purchases.push_back({d.prizes, 5});
    }
    const RandomTicketWinnings w = SimulateRandomTickets(purchases);
    EXPECT_EQ(w.coveredDraws, 1353);
    EXPECT_EQ(w.spent, 1353 * 5 * 200);
    EXPECT_GT(w.highWon, 2'000'000) << w.lowWon << " " << w.expectedWon;
    EXPECT_GT(w.highWon - w.expectedWon, 2 * (w.expectedWon - w.lowWon));
    EXPECT_GT(w.lowWon, 0);
}

TEST(MoneyTest, ChanceOfFourthOrBetter) {
    const double single = 3381.0 / 169911;
    const std::array<int, 5> ticket{1, 2, 3, 4, 5};
    EXPECT_DOUBLE_EQ(ChanceOfFourthOrBetter(std::span(&ticket, 1)), single);
    EXPECT_DOUBLE_EQ(ChanceOfFourthOrBetter({}), 0);
    const struct {
        int pool;
        long long winning;
    } pools[] = {{5, 3381}, {13, 57915}, {16, 90468}, {31, 169911}};
    for (const auto& c : pools) {
        EXPECT_DOUBLE_EQ(PoolChanceOfFourthOrBetter(c.pool), c.winning / 169911.0) << c.pool;
    }
    // Every combination of a pool of eight, ticket by ticket, is the pool's chance.
    std::vector<std::array<int, 5>> combined;
    for (int a = 1; a <= 8; ++a)
        for (int b = a + 1; b <= 8; ++b)
            for (int c = b + 1; c <= 8; ++c)
                for (int d = c + 1; d <= 8; ++d)
                    for (int e = d + 1; e <= 8; ++e)
                        combined.push_back({a, b, c, d, e});
    EXPECT_EQ(combined.size(), static_cast<std::size_t>(Binomial(8, 5)));
    EXPECT_DOUBLE_EQ(ChanceOfFourthOrBetter(combined), PoolChanceOfFourthOrBetter(8));
}

TEST(MoneyTest, YenText) {
    EXPECT_EQ(YenText(0), "0円");
    EXPECT_EQ(YenText(1000), "1,000円");
    EXPECT_EQ(YenText(9947500), "9,947,500円");
    EXPECT_EQ(YenText(-270600), "-270,600円");
    EXPECT_EQ(GroupedDigits(999), "999");
    EXPECT_EQ(ReturnRateText(107, 200), "53.5%");
    EXPECT_EQ(ReturnRateText(9985100, 270600), "3,690.0%");
    EXPECT_EQ(ReturnRateText(0, 0), "―");
}

// Bought at every draw: the yen of the draws with prize data, and how many those are.
TEST(MoneyTest, NumberCheckCountsYenOfTheDrawsWithPrizes) {
    std::vector<Draw> rows = {
        test::MakeDraw(1, {1, 2, 3, 4, 5}, 6), test::MakeDraw(2, {1, 2, 3, 4, 9}, 5),
        test::MakeDraw(3, {1, 2, 3, 10, 11}, 12), test::MakeDraw(4, {1, 2, 3, 13, 14}, 15)};
    rows[0].prizes = kDraw1353;
    rows[1].prizes = DrawPrizes{{0, 2, 30, 900}, {0, 250000, 11000, 900}};
    rows[3].prizes = kDraw1353;
    rows[0].date = "2025/01/07";
    const NumberCheckResult result = CheckNumbers(DrawHistory(rows), {5, 4, 3, 2, 1});
    EXPECT_EQ(result.won, (std::array<std::int64_t, 4>{9947500, 250000, 0, 1000}));
    EXPECT_EQ(result.Won(), 10198500);
    EXPECT_EQ(result.random.spent, 600);
    EXPECT_EQ(result.wins[kFourthPrize][0].amount, std::nullopt);  // draw 3 has no prize data
    const std::string text = NumberCheckToText(result);
    for (const char* part : {"第1回 2025/01/07 9,947,500円", "（賞金のわかる 3 / 4 回分）",
                             "購入額 600円、当せん金 10,198,500円、回収率 1,699,750.0%",
                             "2等 250,000円、3等 0円、4等 1,000円"}) {
        EXPECT_NE(text.find(part), std::string::npos) << part << "\n" << text;
    }
}

}  // namespace
}  // namespace pirumo
