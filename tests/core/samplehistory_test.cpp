#include "history/store/samplehistory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "history/historyerror.h"

namespace pirumo {
namespace {

TEST(SampleHistoryTest, DrawsAreWellFormedAndDatedWeekly) {
    const auto rows = MakeSampleHistory(400, 7);
    ASSERT_EQ(rows.size(), 400u);
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const Draw& d = rows[k];
        EXPECT_EQ(d.drawNumber, static_cast<int>(k) + 1);
        EXPECT_TRUE(IsValidDraw(d));
        EXPECT_TRUE(std::is_sorted(d.numbers.begin(), d.numbers.begin() + 5));
        EXPECT_EQ(std::set<int>(d.numbers.begin(), d.numbers.end()).size(), 6u);
    }
    EXPECT_EQ(rows[0].date, "1999/04/13");
    EXPECT_EQ(rows[1].date, "1999/04/20");
    EXPECT_EQ(rows[38].date, "2000/01/04");
}

TEST(SampleHistoryTest, SameSeedSameDraws) {
    EXPECT_EQ(MakeSampleHistory(50, 42), MakeSampleHistory(50, 42));
    EXPECT_NE(MakeSampleHistory(50, 42), MakeSampleHistory(50, 43));
    // Pinned so that a change of generator, which would change every sample, is noticed.
    const auto two = MakeSampleHistory(2, 1);
    EXPECT_EQ(two[0].numbers, (std::array<std::int16_t, 6>{4, 16, 18, 24, 31, 25}));
    EXPECT_EQ(two[1].numbers, (std::array<std::int16_t, 6>{11, 15, 17, 26, 28, 21}));
    EXPECT_TRUE(MakeSampleHistory(0, 1).empty());
    EXPECT_THROW(MakeSampleHistory(-1, 1), HistoryError);
    EXPECT_THROW(MakeSampleHistory(32768, 1), HistoryError);
}

}  // namespace
}  // namespace pirumo
