#include "prediction/backtest/backtestmoney.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "history/import/historycsv.h"
#include "prediction/backtest/backtestyenchart.h"
#include "testhistory.h"

namespace pirumo {
namespace {

// A row of the published prize file, read with a plain split rather than the program's reader.
struct PublishedDraw {
    std::vector<int> main;
    int bonus = 0;
    std::array<long long, 4> amount{};  // 1等賞金..4等賞金
};

std::map<int, PublishedDraw> ReadPublishedPrizes() {
    std::ifstream in(test::RealHistoryCsv());
    std::string line;
    std::getline(in, line);  // 開催回,日付,第1数字..ボーナス数字,1等口数,1等賞金,…,4等賞金
    std::map<int, PublishedDraw> draws;
    while (std::getline(in, line)) {
        std::vector<std::string> f;
        std::stringstream fields(line);
        for (std::string field; std::getline(fields, field, ',');) {
            f.push_back(field);
        }
        PublishedDraw d;
        for (int i = 2; i <= 6; ++i) {
            d.main.push_back(std::stoi(f[i]));
        }
        d.bonus = std::stoi(f[7]);
        for (int c = 0; c < 4; ++c) {
            d.amount[c] = std::stoll(f[9 + 2 * c]);
        }
        draws.emplace(std::stoi(f[0]), d);
    }
    return draws;
}

struct Expected {
    int draws = 0;  // with at least one ticket
    int coveredDraws = 0;
    long long spent = 0;
    long long won = 0;
    double expectedWon = 0;
};

// Every row of five distinct numbers is a ticket: 5 matches 1等, 4 and the bonus 2等, 4 3等,
// 3 4等; a random ticket wins class c with 1, 5, 125, 3,250 chances in 169,911.
Expected DirectYen(const BacktestResult& result, int method,
                   const std::map<int, PublishedDraw>& published, int lastWithPrizes) {
    Expected e;
    for (const BacktestDraw& d : result.draws) {
        const PublishedDraw& p = published.at(d.drawNumber);
        bool bought = false;
        for (const auto& row : d.Shown(method)) {
            if (row.size() != 5 || std::set<int>(row.begin(), row.end()).size() != 5) {
                continue;
            }
            bought = true;
            if (d.drawNumber > lastWithPrizes) {
                continue;
            }
            e.spent += 200;
            e.expectedWon +=
                (p.amount[0] + 5.0 * p.amount[1] + 125.0 * p.amount[2] + 3250.0 * p.amount[3]) /
                169911;
            int matches = 0;
            for (int n : row) {
                matches += std::count(p.main.begin(), p.main.end(), n);
            }
            const bool bonus = std::count(row.begin(), row.end(), p.bonus) > 0;
            e.won += matches == 5            ? p.amount[0]
                     : matches == 4 && bonus ? p.amount[1]
                     : matches == 4          ? p.amount[2]
                     : matches == 3          ? p.amount[3]
                                             : 0;
        }
        e.draws += bought ? 1 : 0;
        e.coveredDraws += bought && d.drawNumber <= lastWithPrizes ? 1 : 0;
    }
    return e;
}

// The table's figures, and the ends of the cumulative chart's lines.
void ExpectYen(const BacktestResult& result, const std::map<int, PublishedDraw>& published,
               int lastWithPrizes) {
    const BacktestMoney allMoney = MoneyOfBacktest(result.draws);
    for (int m = 0; m < kMethodCount; ++m) {
        SCOPED_TRACE(kMethodNames[static_cast<std::size_t>(m)]);
        const Expected e = DirectYen(result, m, published, lastWithPrizes);
        const MethodMoney& money = allMoney[static_cast<std::size_t>(m)];
        const Chart chart = BacktestYenChart(result, m);
        ASSERT_EQ(chart.series.size(), 4u);
        EXPECT_EQ(chart.series[1].y.back(), e.spent);
        EXPECT_NEAR(chart.series[2].y.back(), e.expectedWon, 1e-6 * e.expectedWon);
        EXPECT_EQ(chart.series[3].y.back(), e.won);
        EXPECT_EQ(chart.series[3].x.size(), result.draws.size());
        // Every random buyer's winnings only grow: so do both edges of their range.
        const ChartSeries& band = chart.series[0];
        ASSERT_FALSE(band.x.empty());
        EXPECT_EQ(band.x.back(), result.draws.back().drawNumber);
        for (std::size_t k = 0; k < band.x.size(); ++k) {
            EXPECT_LE(band.low[k], band.y[k]);
            if (k > 0) {
                EXPECT_GT(band.x[k], band.x[k - 1]);
                EXPECT_GE(band.low[k], band.low[k - 1]);
                EXPECT_GE(band.y[k], band.y[k - 1]);
            }
        }
        EXPECT_EQ(money.random.spent, e.spent);
        EXPECT_EQ(money.won, e.won);
        EXPECT_NEAR(money.random.expectedWon, e.expectedWon, 1e-6 * e.expectedWon);
        EXPECT_LE(money.random.lowWon, money.random.highWon);
        EXPECT_EQ(money.random.draws, e.draws);
        EXPECT_EQ(money.random.coveredDraws, e.coveredDraws);
    }
}

TEST(BacktestMoneyTest, YenOfEveryMethodEqualsADirectSumOverThePublishedPrizes) {
    const auto published = ReadPublishedPrizes();
    std::vector<Draw> rows = ReadCsvHistoryFile(test::RealHistoryCsv());
    const BacktestResult all = RunBacktest(DrawHistory(rows), PredictionOptions(), 51, 1353);
    ASSERT_EQ(all.draws.size(), 1303u);
    ExpectYen(all, published, 1353);

    // Draws without prize data are left out of every yen figure, and counted.
    for (Draw& d : rows) {
        if (d.drawNumber > 1300) {
            d.prizes.reset();
        }
    }
    const BacktestResult part = RunBacktest(DrawHistory(rows), PredictionOptions(), 1201, 1353);
    ExpectYen(part, published, 1300);
    const MethodMoney partMoney = MoneyOfBacktest(part.draws)[0];
    EXPECT_LT(partMoney.random.coveredDraws, partMoney.random.draws);
}

}  // namespace
}  // namespace pirumo
