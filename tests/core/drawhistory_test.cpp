#include "history/drawhistory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

namespace pirumo {
namespace {

Draw MakeDraw(int drawNumber, std::array<std::int16_t, 6> numbers) {
    Draw d;
    d.drawNumber = drawNumber;
    d.numbers = numbers;
    return d;
}

std::size_t Index(int n) {
    return static_cast<std::size_t>(n);
}

constexpr auto E = Draw::kEmptyField;
constexpr auto O = Draw::kOtherValue;

TEST(DrawValidityTest, AllSixFieldsMustHoldOneToThirtyOne) {
    EXPECT_TRUE(IsValidDraw(MakeDraw(1, {1, 2, 3, 4, 31, 5})));
    EXPECT_TRUE(IsValidDraw(MakeDraw(0, {1, 1, 1, 1, 1, 1})));  // 回数 and repeats are not tested
    EXPECT_FALSE(IsValidDraw(MakeDraw(1, {1, 2, 3, 4, 5, E})));
    EXPECT_FALSE(IsValidDraw(MakeDraw(1, {E, 2, 3, 4, 5, 6})));
    EXPECT_FALSE(IsValidDraw(MakeDraw(1, {1, 2, O, 4, 5, 6})));
    EXPECT_FALSE(IsValidDraw(MakeDraw(1, {1, 2, 3, 4, 32, 6})));
    EXPECT_FALSE(HasOtherValue(MakeDraw(1, {1, 2, 3, 4, 5, E})));
    EXPECT_TRUE(HasOtherValue(MakeDraw(1, {1, 2, 3, 4, E, O})));
}

TEST(StartupAggregatesTest, InvalidDrawCountsNothingAndDoesNotMoveLastDrawNumber) {
    const DrawHistory history({MakeDraw(1, {1, 2, 3, 4, 5, 6}), MakeDraw(2, {1, 2, 3, 4, 5, E}),
                               MakeDraw(3, {7, 8, 9, 10, 11, O})});
    EXPECT_EQ(history.LastDrawNumber(), 1);
    EXPECT_EQ(history.NumberCounts()[1], 1);
    EXPECT_EQ(history.NumberCounts()[7], 0);
    EXPECT_EQ(history.Aggregates().skippedOtherValue, 1);

    const DrawHistory later({MakeDraw(1, {1, 2, 3, 4, 5, 6}), MakeDraw(2, {1, 2, 3, 4, 5, E}),
                             MakeDraw(3, {7, 8, 9, 10, 11, 12})});
    EXPECT_EQ(later.LastDrawNumber(), 3);
}

TEST(StartupAggregatesTest, BonusCountsAndEqualCountsShareOneGroup) {
    // 17 only as a bonus, 3 once as a main number: both count 1.
    const DrawHistory history({MakeDraw(1, {1, 2, 3, 4, 5, 17}), MakeDraw(2, {1, 2, 4, 5, 6, 7})});
    EXPECT_EQ(history.NumberCounts()[17], 1);
    EXPECT_EQ(history.MaxCount(), 2);
    ASSERT_EQ(history.CountGroups().size(), 3u);
    EXPECT_EQ(history.CountGroups()[1], "3,6,7,17");
    EXPECT_EQ(history.CountGroups()[2], "1,2,4,5");
    EXPECT_EQ(history.CountGroupRows(), 4);
    EXPECT_EQ(history.CountGroups()[0].substr(0, 9), "8,9,10,11");
}

TEST(StartupAggregatesTest, ThirtyOneDistinctCountsGiveThirtyTwoGroupRows) {
    // Number n is to be drawn n + 2 times (558 = 93 draws of six); each draw takes the six
    // numbers with the most draws still owed, which always packs them exactly.
    std::array<int, 32> owed{};
    for (int n = 1; n <= 31; ++n) {
        owed[static_cast<std::size_t>(n)] = n + 2;
    }
    std::vector<Draw> rows;
    for (int k = 1; k <= 93; ++k) {
        std::vector<int> order(31);
        std::iota(order.begin(), order.end(), 1);
        std::stable_sort(order.begin(), order.end(),
                         [&](int a, int b) { return owed[Index(a)] > owed[Index(b)]; });
        Draw d;
        d.drawNumber = k;
        for (std::size_t i = 0; i < 6; ++i) {
            d.numbers[i] = static_cast<std::int16_t>(order[i]);
            --owed[Index(order[i])];
        }
        rows.push_back(d);
    }
    ASSERT_EQ(*std::max_element(owed.begin(), owed.end()), 0);

    const DrawHistory history(rows);
    EXPECT_EQ(history.NumberCounts()[1], 3);
    EXPECT_EQ(history.NumberCounts()[31], 33);
    EXPECT_EQ(history.MaxCount(), 33);
    EXPECT_EQ(history.CountGroupRows(), 32);
    ASSERT_EQ(history.CountGroups().size(), 34u);
    EXPECT_EQ(history.CountGroups()[0], "");
    EXPECT_EQ(history.CountGroups()[2], "");
    EXPECT_EQ(history.CountGroups()[3], "1");
    EXPECT_EQ(history.CountGroups()[33], "31");
    EXPECT_EQ(history.LastDrawNumber(), 93);
}

TEST(StartupAggregatesTest, EmptyHistoryAndHistoryWithoutValidRows) {
    const DrawHistory empty;
    EXPECT_EQ(empty.LastDrawNumber(), 0);
    EXPECT_EQ(empty.MaxCount(), 0);
    EXPECT_EQ(empty.CountGroupRows(), 0);
    EXPECT_TRUE(empty.CountGroups().empty());

    const DrawHistory noneValid({MakeDraw(1, {1, 2, 3, 4, 5, E}), MakeDraw(2, {E, E, E, E, E, E})});
    EXPECT_EQ(noneValid.LastDrawNumber(), 0);
    EXPECT_EQ(noneValid.MaxCount(), 0);
    EXPECT_EQ(noneValid.CountGroupRows(), 2);
    ASSERT_EQ(noneValid.CountGroups().size(), 1u);
    EXPECT_EQ(
        noneValid.CountGroups()[0],
        "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26,27,28,29,30,31");
    EXPECT_EQ(noneValid.Aggregates().skippedOtherValue, 0);
}

TEST(StartupAggregatesTest, RowsAreKeptInDrawNumberOrder) {
    const DrawHistory history({MakeDraw(2, {7, 8, 9, 10, 11, 12}), MakeDraw(1, {1, 2, 3, 4, 5, 6}),
                               MakeDraw(3, {1, 2, 3, 4, 5, E})});
    EXPECT_EQ(history.Rows().size(), 3u);
    EXPECT_EQ(history.Rows()[0].drawNumber, 1);
    EXPECT_EQ(history.LastDrawNumber(), 2);
    std::vector<int> walked;
    history.ForEachValidDraw([&](const Draw& d) { walked.push_back(d.drawNumber); });
    EXPECT_EQ(walked, (std::vector<int>{1, 2}));
}

}  // namespace
}  // namespace pirumo
