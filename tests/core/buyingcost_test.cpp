#include "prediction/money/buyingcost.h"

#include <gtest/gtest.h>

namespace pirumo {
namespace {

// Rows as a method shows them: full rows are tickets, a short last row is not.
TEST(BuyingCostTest, RowsAsTicketsAndThePoolCombined) {
    const struct {
        PredictionRows rows;
        int tickets;
        int poolSize;
        std::int64_t poolTickets;
        long long poolWinning;  // draws out of 169,911 in which some combination wins 4等+
    } cases[] = {
        {{{1, 2, 3, 4, 5}}, 1, 5, 1, 3381},
        {{{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}, {11, 12, 13}}, 2, 13, 1287, 57915},
        {{{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}, {11, 12, 13, 14, 15}, {16}}, 3, 16, 4368, 90468},
        {{{1, 2, 3}}, 0, 3, 0, 0},
        {{}, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.poolSize);
        const BuyingCost cost = CostOfRows(c.rows, 100.0);
        EXPECT_EQ(cost.tickets, c.tickets);
        EXPECT_EQ(cost.cost, 200 * c.tickets);
        EXPECT_EQ(cost.expectedReturn, 100.0 * c.tickets);
        EXPECT_EQ(cost.poolSize, c.poolSize);
        EXPECT_EQ(cost.poolTickets, c.poolTickets);
        EXPECT_EQ(cost.poolCost, 200 * c.poolTickets);
        EXPECT_EQ(cost.poolExpectedReturn, 100.0 * static_cast<double>(c.poolTickets));
        EXPECT_DOUBLE_EQ(cost.poolChance, c.poolWinning / 169911.0);
        EXPECT_EQ(CostOfRows(c.rows, std::nullopt).poolExpectedReturn, std::nullopt);
    }
    // Disjoint rows never both have three of the five drawn: their chances add up. Rows that
    // share numbers often win together, so theirs do not.
    EXPECT_DOUBLE_EQ(CostOfRows(cases[2].rows, 100.0).chance, 3 * 3381 / 169911.0);
    EXPECT_LT(CostOfRows({{1, 2, 3, 4, 5}, {1, 2, 3, 6, 7}}, 100.0).chance, 1.8 * 3381 / 169911.0);
}

TEST(BuyingCostTest, LinesShowBothWaysOfBuyingForEveryMethod) {
    std::array<BuyingCost, kMethodCount> costs{};
    costs[0] = CostOfRows({{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}, {11, 12, 13}}, 107.0);
    const auto lines = BuyingCostLines(costs, 107.0);
    ASSERT_EQ(lines.size(), 2u + kMethodCount);
    EXPECT_EQ(lines[0],
              "購入する場合（1口 200円。期待値は過去の平均賞金で 1口あたり 107円、"
              "回収率 53.5%）:");
    EXPECT_EQ(lines[1],
              "周期法: 各行を1口ずつ 2口 400円（期待値 214円、4等以上が当たる確率 4.0%）／13 "
              "個の数字のすべての組合せ 1,287口 257,400円（期待値 137,709円、4等以上が当たる確率 "
              "34.1%）");
    EXPECT_EQ(lines[2], "消去法: 予想の数字がありません。");
    EXPECT_NE(lines.back().find("どの組合せも毎回同じ確率"), std::string::npos);
    EXPECT_NE(BuyingCostLines(costs, std::nullopt)[0].find("期待値は計算できません"),
              std::string::npos);
}

}  // namespace
}  // namespace pirumo
