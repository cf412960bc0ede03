#include "prediction/eliminationmethod.h"

#include <gtest/gtest.h>

#include "testhistory.h"

namespace pirumo {
namespace {

using test::MakeDraw;

struct Elimination {
    EliminationCandidates candidates;
    std::vector<int> proposed;
};

Elimination Eliminate(const NumbersByDraw& numbers, int lastDrawNumber, int reflected) {
    Elimination e;
    e.candidates = ComputeElimination(numbers, lastDrawNumber, reflected);
    e.proposed = DistinctCandidates(e.candidates);
    return e;
}

TEST(EliminationMethodTest, WrapNumberTakesOneStep) {
    EXPECT_EQ(WrapNumber(35), 4);
    EXPECT_EQ(WrapNumber(32), 1);
    EXPECT_EQ(WrapNumber(31), 31);
    EXPECT_EQ(WrapNumber(1), 1);
    EXPECT_EQ(WrapNumber(0), 31);
    EXPECT_EQ(WrapNumber(-4), 27);
    EXPECT_EQ(WrapNumber(-9), 22);
    EXPECT_EQ(WrapNumber(50), 19);
}

TEST(EliminationMethodTest, RulesReadTheirDrawsBackShiftedByTheReflectedCount) {
    NumbersByDraw numbers;
    numbers.Store(MakeDraw(99, {25, 1, 1, 1, 1}, 1));
    numbers.Store(MakeDraw(98, {1, 1, 1, 1, 1}, 3));
    numbers.Store(MakeDraw(96, {12, 1, 1, 1, 1}, 1));
    numbers.Store(MakeDraw(100, {30, 30, 30, 30, 30}, 30));  // the newest draw is never read

    const Elimination none = Eliminate(numbers, 100, 0);
    EXPECT_EQ(none.candidates[0], 4);   // 25 + 10 - 31
    EXPECT_EQ(none.candidates[3], 27);  // bonus 3 - 7 + 31
    EXPECT_EQ(none.candidates[2], 1);

    const Elimination three = Eliminate(numbers, 100, 3);
    EXPECT_EQ(three.candidates[0], 22);  // draw 96: 12 + 10
    EXPECT_EQ(three.candidates[1], 19);  // draw 96: 1 + 18
}

TEST(EliminationMethodTest, MissingAndEarlySourceDrawsReadAsZero) {
    NumbersByDraw numbers;
    numbers.Store(MakeDraw(1, {5, 6, 7, 8, 9}, 10));
    numbers.Store(MakeDraw(3, {5, 6, 7, 8, 9}, 10));
    const Elimination early = Eliminate(numbers, 3, 2);  // every source draw is 0 or earlier
    for (int r = 0; r < kEliminationRuleCount; ++r) {
        const int expected = WrapNumber(kEliminationRules[static_cast<std::size_t>(r)].offset);
        EXPECT_EQ(early.candidates[static_cast<std::size_t>(r)], expected) << r;
    }
    EXPECT_EQ(early.candidates[3], 24);  // 0 - 7

    const Elimination missing = Eliminate(numbers, 5, 0);
    EXPECT_EQ(missing.candidates[0], 10);  // draw 4 is missing
    EXPECT_EQ(missing.candidates[2], 5);   // draw 3 is there
}

TEST(EliminationMethodTest, RepeatsAreShownOnceInRuleOrder) {
    NumbersByDraw numbers;
    // Rule 2 reads 第1数字 two back (offset 0), rule 12 reads 第1数字 nine back (+4).
    numbers.Store(MakeDraw(98, {9, 2, 3, 4, 5}, 6));
    numbers.Store(MakeDraw(91, {5, 2, 3, 4, 5}, 6));
    const Elimination e = Eliminate(numbers, 100, 0);
    EXPECT_EQ(e.candidates[2], 9);
    EXPECT_EQ(e.candidates[12], 9);
    EXPECT_FALSE(IsNewCandidate(e.candidates, 12));
    EXPECT_TRUE(IsNewCandidate(e.candidates, 2));

    // Missing source draws give the offsets alone; rule 13 (3) repeats rule 6 as well.
    EXPECT_EQ(e.proposed, (std::vector<int>{10, 18, 9, 30, 13, 26, 3, 11, 14, 7, 16, 22, 23}));
}

TEST(EliminationMethodTest, ElevenThenFifteenDistinctInRuleOrder) {
    NumbersByDraw numbers;
    numbers.Store(MakeDraw(99, {1, 2, 0, 0, 0}, 0));   // rules 0, 1: 11, 20
    numbers.Store(MakeDraw(98, {3, 0, 0, 0, 4}, 5));   // rules 2, 3, 4: 3, 29, 12
    numbers.Store(MakeDraw(94, {0, 8, 0, 0, 0}, 0));   // rule 5: 3 again
    numbers.Store(MakeDraw(93, {2, 0, 0, 0, 3}, 4));   // rules 6, 7, 8: 5, 14, 18
    numbers.Store(MakeDraw(92, {6, 0, 0, 0, 4}, 21));  // rules 9, 10, 11: 13, 20 again, 12 again
    numbers.Store(MakeDraw(91, {2, 5, 0, 6, 0}, 0));   // rules 12, 13, 14: 6, 6 again, 25
    EXPECT_EQ(Eliminate(numbers, 100, 0).proposed,
              (std::vector<int>{11, 20, 3, 29, 12, 5, 14, 18, 13, 6, 25}));

    numbers.Store(MakeDraw(94, {0, 15, 0, 0, 0}, 0));  // rule 5: 10
    numbers.Store(MakeDraw(92, {6, 0, 0, 0, 0}, 31));  // rules 10, 11: 16, 22
    numbers.Store(MakeDraw(91, {2, 30, 0, 6, 0}, 0));  // rule 13: 31
    EXPECT_EQ(Eliminate(numbers, 100, 0).proposed,
              (std::vector<int>{11, 20, 3, 29, 12, 10, 5, 14, 18, 13, 16, 22, 6, 31, 25}));
}

}  // namespace
}  // namespace pirumo
