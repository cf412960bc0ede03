#include <gtest/gtest.h>

#include "analyses/pairs.h"
#include "analyses/pairsgrid.h"
#include "testhistory.h"

namespace pirumo {
namespace {

using test::MakeDraw;

TEST(Pairs, ChanceOfAPairIsCountedOverEveryCombination) {
    int combinations = 0;
    int withOneAndTwo = 0;
    for (int a = 1; a <= 31; ++a) {
        for (int b = a + 1; b <= 31; ++b) {
            for (int c = b + 1; c <= 31; ++c) {
                for (int d = c + 1; d <= 31; ++d) {
                    for (int e = d + 1; e <= 31; ++e) {
                        ++combinations;
                        withOneAndTwo += a == 1 && b == 2 ? 1 : 0;
                    }
                }
            }
        }
    }
    EXPECT_EQ(combinations, 169911);
    EXPECT_DOUBLE_EQ(kPairChance, static_cast<double>(withOneAndTwo) / combinations);
}

TEST(Pairs, CountsMainNumbersDrawnTogether) {
    // The bonus never makes a pair; the invalid draw 3 is not counted.
    const DrawHistory history({MakeDraw(1, {5, 1, 2, 3, 4}, 6), MakeDraw(2, {2, 1, 9, 10, 11}, 3),
                               MakeDraw(3, {1, 2, 0, 4, 5}, 6)});
    const PairResult result = AnalysePairs(history);
    ASSERT_EQ(result.pairs.size(), 465u);
    EXPECT_EQ(result.draws, 2);
    const auto count = [&](int a, int b) {
        for (const PairCount& pair : result.pairs) {
            if (pair.first == a && pair.second == b) {
                return static_cast<int>(pair.figure.observed);
            }
        }
        return -1;
    };
    EXPECT_EQ(count(1, 2), 2);
    EXPECT_EQ(count(4, 5), 1);
    EXPECT_EQ(count(3, 6), 0);
    EXPECT_EQ(count(10, 11), 1);
    EXPECT_DOUBLE_EQ(result.pairs.front().figure.expected, 2 * 2.0 / 93);
    EXPECT_EQ(result.pairs.front().figure.label, "1-2");
    EXPECT_TRUE(result.pairs.front().marked) << "1-2 is the pair furthest from chance";
    int marked = 0;
    for (const PairCount& pair : result.pairs) {
        marked += pair.marked ? 1 : 0;
    }
    EXPECT_EQ(marked, kMarkedPairs);
}

TEST(Pairs, GridListsThePairsInTheChosenOrder) {
    const DrawHistory history({MakeDraw(1, {30, 31, 1, 2, 3}, 6), MakeDraw(2, {30, 31, 4, 5, 7}, 8),
                               MakeDraw(3, {30, 31, 4, 10, 11}, 8)});
    const PairResult result = AnalysePairs(history);
    struct Case {
        PairOrder order;
        std::vector<std::string> firstRows;
    };
    const Case cases[] = {
        {PairOrder::ByPair, {"1-2", "1-3", "1-4"}},
        {PairOrder::ByCount, {"30-31", "4-30", "4-31"}},
        {PairOrder::ByDifference, {"30-31", "4-30", "4-31"}},
    };
    for (const Case& c : cases) {
        ResultGrid grid;
        FillPairGrid(result, grid, c.order);
        EXPECT_EQ(grid.RowCount(), 466);
        EXPECT_EQ(grid.CellText(1, 1), "ペア");
        for (std::size_t i = 0; i < c.firstRows.size(); ++i) {
            EXPECT_EQ(grid.CellText(1, static_cast<int>(i) + 2), c.firstRows[i]);
        }
    }
    ResultGrid grid;
    FillPairGrid(result, grid, PairOrder::ByCount);
    // 30-31: in all three draws, far above a range of 0 to 1.
    EXPECT_EQ(grid.CellText(2, 2), "3");
    EXPECT_EQ(grid.CellText(3, 2), "0.1");
    EXPECT_EQ(grid.CellText(4, 2), "0〜1");
    EXPECT_EQ(grid.CellText(5, 2), "+2.9");
    EXPECT_EQ(grid.CellText(6, 2), kPairMark);
    EXPECT_EQ(grid.StyleAt(2, 2).back, kPairAboveColour);
}

}  // namespace
}  // namespace pirumo
