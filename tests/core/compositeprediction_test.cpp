#include <gtest/gtest.h>

#include "prediction/closenumbers.h"
#include "prediction/predictiongrids.h"

namespace pirumo {
namespace {

// Every candidate the same number unless listed.
EliminationCandidates Candidates(std::initializer_list<int> first, int rest = 16) {
    EliminationCandidates c;
    c.fill(std::to_string(rest));
    std::size_t i = 0;
    for (int n : first) {
        c[i++] = std::to_string(n);
    }
    return c;
}

struct Composite {
    ResultGrid rapidFire;
    ResultGrid oneShot;
};

Composite Predict(const CycleTable& table, const EliminationCandidates& candidates) {
    Composite g;
    SetUpPredictionGrid(g.rapidFire, kRapidFireGrid);
    SetUpPredictionGrid(g.oneShot, kOneShotGrid);
    PredictCloseNumbers(table, candidates, kRapidFireWidth, g.rapidFire, kRapidFireGrid);
    PredictCloseNumbers(table, candidates, kOneShotWidth, g.oneShot, kOneShotGrid);
    return g;
}

std::vector<std::string> Cells(const ResultGrid& grid, int lastRow) {
    std::vector<std::string> cells;
    for (int row = 2; row <= lastRow; ++row) {
        for (int column = 2; column <= 6; ++column) {
            cells.push_back(grid.CellText(column, row));
        }
    }
    return cells;
}

using Row = std::vector<std::string>;

TEST(CompositePredictionTest, DistanceThreeForRapidFireTwoForOneShotAndNoWrap) {
    CycleTable table;
    table.Set(0, 1, "10");  // equal to candidate 10
    table.Set(0, 2, "13");  // 3 away: rapid-fire only
    table.Set(0, 3, "8");   // 2 away: both
    table.Set(0, 4, "31");  // 30 away from candidate 1: neither
    table.Set(0, 5, "14");  // 4 away: neither
    const Composite g = Predict(table, Candidates({10, 1}, 10));
    EXPECT_EQ(Cells(g.rapidFire, 3), (Row{"10", "13", "8", "", "", "", "", "", "", ""}));
    EXPECT_EQ(Cells(g.oneShot, 2), (Row{"10", "8", "", "", ""}));
}

TEST(CompositePredictionTest, ScansCandidateFirstThenSlotThenPositionAndShowsEachNumberOnce) {
    CycleTable table;
    table.Set(0, 1, "20");
    table.Set(0, 2, "4");
    table.Set(3, 1, "4");  // same number in another slot: shown once
    table.Set(3, 2, "2");
    // Candidate 0 (2) is close to 4 and 2; candidate 1 (20) to 20.
    const Composite g = Predict(table, Candidates({2, 20}, 28));
    EXPECT_EQ(Cells(g.oneShot, 2), (Row{"4", "2", "20", "", ""}));
}

TEST(CompositePredictionTest, FirstEmptyEntryEndsTheSlot) {
    CycleTable table;
    table.Set(0, 2, "10");  // position 1 empty: never considered
    table.Set(0, 6, "10");
    table.Set(1, 1, "11");
    table.Set(1, 3, "12");  // after the empty position 2
    const Composite g = Predict(table, Candidates({}, 11));
    EXPECT_EQ(Cells(g.rapidFire, 3), (Row{"11", "", "", "", "", "", "", "", "", ""}));
    EXPECT_EQ(Cells(g.oneShot, 2), (Row{"11", "", "", "", ""}));
}

TEST(CompositePredictionTest, BonusPositionTakesPart) {
    CycleTable table;
    for (int position = 1; position <= 5; ++position) {
        table.Set(2, position, "30");
    }
    table.Set(2, 6, "7");
    const Composite g = Predict(table, Candidates({}, 7));
    EXPECT_EQ(Cells(g.oneShot, 2), (Row{"7", "", "", "", ""}));
}

TEST(CompositePredictionTest, NothingCloseLeavesTheGridsEmpty) {
    CycleTable table;
    table.Set(0, 1, "1");
    table.Set(1, 1, "31");
    const Composite g = Predict(table, Candidates({}, 16));
    EXPECT_EQ(Cells(g.rapidFire, 3), Row(10));
    EXPECT_EQ(Cells(g.oneShot, 2), Row(5));
}

TEST(CompositePredictionTest, RapidFireShowsTheFirstTenOneShotStopsAtFive) {
    CycleTable table;
    // Twelve distinct numbers 10..21 over slots 0 and 1; candidates 12 and 19 reach them all
    // within 3; within 2, candidate 12 reaches 10..14 first.
    for (int i = 0; i < 6; ++i) {
        table.Set(0, i + 1, std::to_string(10 + i));
        table.Set(1, i + 1, std::to_string(16 + i));
    }
    const Composite g = Predict(table, Candidates({12, 19}, 12));
    EXPECT_EQ(Cells(g.rapidFire, 3),
              (Row{"10", "11", "12", "13", "14", "15", "16", "17", "18", "19"}));
    EXPECT_EQ(Cells(g.oneShot, 2), (Row{"10", "11", "12", "13", "14"}));
}

TEST(CompositePredictionTest, TextsAlreadyInTheGridCountAsShown) {
    CycleTable table;
    table.Set(0, 1, "10");
    table.Set(0, 2, "11");
    ResultGrid oneShot;
    SetUpPredictionGrid(oneShot, kOneShotGrid);
    oneShot.SetCellText(4, 2, "10");
    PredictCloseNumbers(table, Candidates({}, 10), kOneShotWidth, oneShot, kOneShotGrid);
    EXPECT_EQ(Cells(oneShot, 2), (Row{"11", "", "10", "", ""}));
    EXPECT_FALSE(IsNotInGrid(oneShot, kOneShotGrid, "11"));
    EXPECT_TRUE(IsNotInGrid(oneShot, kOneShotGrid, "1"));
}

}  // namespace
}  // namespace pirumo
