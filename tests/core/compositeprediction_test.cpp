#include <gtest/gtest.h>

#include "prediction/closenumbers.h"

namespace pirumo {
namespace {

// Every candidate the same number unless listed.
EliminationCandidates Candidates(std::initializer_list<int> first, int rest = 16) {
    EliminationCandidates c;
    c.fill(rest);
    std::size_t i = 0;
    for (int n : first) {
        c[i++] = n;
    }
    return c;
}

struct Composite {
    std::vector<int> rapidFire;
    std::vector<int> oneShot;
};

Composite Predict(const CycleTable& table, const EliminationCandidates& candidates) {
    return {PredictCloseNumbers(table, candidates, kRapidFireWidth, kRapidFireLimit),
            PredictCloseNumbers(table, candidates, kOneShotWidth, kOneShotLimit)};
}

using Row = std::vector<int>;

TEST(CompositePredictionTest, DistanceThreeForRapidFireTwoForOneShotAndNoWrap) {
    CycleTable table;
    table.Set(0, 1, 10);  // equal to candidate 10
    table.Set(0, 2, 13);  // 3 away: rapid-fire only
    table.Set(0, 3, 8);   // 2 away: both
    table.Set(0, 4, 31);  // 30 away from candidate 1: neither
    table.Set(0, 5, 14);  // 4 away: neither
    const Composite g = Predict(table, Candidates({10, 1}, 10));
    EXPECT_EQ(g.rapidFire, (Row{10, 13, 8}));
    EXPECT_EQ(g.oneShot, (Row{10, 8}));
}

TEST(CompositePredictionTest, ScansCandidateFirstThenSlotThenPositionAndShowsEachNumberOnce) {
    CycleTable table;
    table.Set(0, 1, 20);
    table.Set(0, 2, 4);
    table.Set(3, 1, 4);  // same number in another slot: shown once
    table.Set(3, 2, 2);
    // Candidate 0 (2) is close to 4 and 2; candidate 1 (20) to 20.
    const Composite g = Predict(table, Candidates({2, 20}, 28));
    EXPECT_EQ(g.oneShot, (Row{4, 2, 20}));
}

TEST(CompositePredictionTest, FirstEmptyEntryEndsTheSlot) {
    CycleTable table;
    table.Set(0, 2, 10);  // position 1 empty: never considered
    table.Set(0, 6, 10);
    table.Set(1, 1, 11);
    table.Set(1, 3, 12);  // after the empty position 2
    const Composite g = Predict(table, Candidates({}, 11));
    EXPECT_EQ(g.rapidFire, (Row{11}));
    EXPECT_EQ(g.oneShot, (Row{11}));
}

TEST(CompositePredictionTest, BonusPositionTakesPart) {
    CycleTable table;
    for (int position = 1; position <= 5; ++position) {
        table.Set(2, position, 30);
    }
    table.Set(2, 6, 7);
    const Composite g = Predict(table, Candidates({}, 7));
    EXPECT_EQ(g.oneShot, (Row{7}));
}

TEST(CompositePredictionTest, NothingCloseProposesNothing) {
    CycleTable table;
    table.Set(0, 1, 1);
    table.Set(1, 1, 31);
    const Composite g = Predict(table, Candidates({}, 16));
    EXPECT_EQ(g.rapidFire, Row{});
    EXPECT_EQ(g.oneShot, Row{});
}

TEST(CompositePredictionTest, RapidFireShowsTheFirstTenOneShotStopsAtFive) {
    CycleTable table;
    // Twelve distinct numbers 10..21 over slots 0 and 1; candidates 12 and 19 reach them all
    // within 3; within 2, candidate 12 reaches 10..14 first.
    for (int i = 0; i < 6; ++i) {
        table.Set(0, i + 1, 10 + i);
        table.Set(1, i + 1, 16 + i);
    }
    const Composite g = Predict(table, Candidates({12, 19}, 12));
    EXPECT_EQ(g.rapidFire, (Row{10, 11, 12, 13, 14, 15, 16, 17, 18, 19}));
    EXPECT_EQ(g.oneShot, (Row{10, 11, 12, 13, 14}));
}

}  // namespace
}  // namespace pirumo
