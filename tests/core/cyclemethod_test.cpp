#include "prediction/cyclemethod.h"

#include <gtest/gtest.h>

#include "prediction/predictiongrids.h"
#include "testhistory.h"

namespace pirumo {
namespace {

using test::MakeDraw;

// Draws first..last that hold only 20..25, so they neither hit nor disturb small numbers.
void AddFiller(std::vector<Draw>& rows, int first, int last) {
    for (int n = first; n <= last; ++n) {
        rows.push_back(MakeDraw(n, {20, 21, 22, 23, 24}, 25));
    }
}

CycleTable Compute(std::vector<Draw> rows) {
    NumbersByDraw numbers;
    CycleTable table;
    ComputeCycleTable(DrawHistory(std::move(rows)), numbers, table);
    return table;
}

TEST(CycleMethodTest, BonusNumberSevenDrawsBackLandsInSlotZero) {
    std::vector<Draw> rows;
    AddFiller(rows, 80, 92);
    rows.push_back(MakeDraw(93, {20, 21, 22, 23, 24}, 5));
    AddFiller(rows, 94, 99);
    rows.push_back(MakeDraw(100, {1, 2, 5, 3, 4}, 6));
    const CycleTable table = Compute(rows);
    EXPECT_EQ(table.At(0, 3), 5);
    for (int slot = 0; slot < 4; ++slot) {
        for (int position = 1; position <= 6; ++position) {
            if (slot != 0 || position != 3) {
                EXPECT_EQ(table.At(slot, position), 0) << slot << "," << position;
            }
        }
    }
}

TEST(CycleMethodTest, GapCountsDrawNumbersNotRows) {
    for (const bool invalidRow : {false, true}) {
        std::vector<Draw> rows;
        rows.push_back(MakeDraw(48, {7, 20, 21, 22, 23}, 24));
        AddFiller(rows, 49, 49);
        if (invalidRow) {
            rows.push_back(MakeDraw(50, {7, 20, 21, 22, 23}, 0));  // empty bonus: skipped
        }
        AddFiller(rows, 51, 54);
        rows.push_back(MakeDraw(55, {1, 7, 2, 3, 4}, 6));
        EXPECT_EQ(Compute(rows).At(0, 2), 7) << (invalidRow ? "skipped row" : "missing row");
    }
}

TEST(CycleMethodTest, FirstEarlierOccurrenceDecidesAndOnlyFourGapsRecord) {
    std::vector<Draw> rows;
    // Number 1 at draws 1 and 5, then draw 8: gap 3 (not 7). 2 gap 8, 3 gap 10: nothing.
    // 4 gap 9, 6 gap 11, 8 gap 12 record in slots 1, 2, 3.
    rows.push_back(MakeDraw(1, {1, 8, 20, 21, 22}, 23));
    rows.push_back(MakeDraw(2, {6, 20, 21, 22, 23}, 24));
    rows.push_back(MakeDraw(3, {3, 20, 21, 22, 23}, 24));
    rows.push_back(MakeDraw(4, {4, 20, 21, 22, 23}, 24));
    rows.push_back(MakeDraw(5, {1, 2, 20, 21, 22}, 23));
    AddFiller(rows, 6, 7);
    rows.push_back(MakeDraw(8, {1, 20, 21, 22, 23}, 24));
    AddFiller(rows, 9, 12);
    rows.push_back(MakeDraw(13, {2, 3, 4, 6, 8}, 9));
    const CycleTable table = Compute(rows);
    EXPECT_EQ(table.At(0, 1), 0);
    EXPECT_EQ(table.At(1, 3), 4);
    EXPECT_EQ(table.At(2, 4), 6);
    EXPECT_EQ(table.At(3, 5), 8);
    EXPECT_EQ(table.At(0, 2), 0);
    EXPECT_EQ(table.At(1, 2), 0);
    EXPECT_EQ(table.At(2, 2), 0);
}

TEST(CycleMethodTest, PositionsSearchIndependentlyAndTheNewestHitWins) {
    std::vector<Draw> rows;
    rows.push_back(MakeDraw(1, {1, 2, 3, 20, 21}, 22));
    AddFiller(rows, 2, 7);
    rows.push_back(MakeDraw(8, {1, 2, 20, 21, 22}, 3));  // bonus position records too
    AddFiller(rows, 9, 9);
    rows.push_back(MakeDraw(10, {20, 21, 22, 23, 24}, 9));
    AddFiller(rows, 11, 16);
    rows.push_back(MakeDraw(17, {9, 20, 21, 22, 23}, 24));  // replaces slot 0 position 1
    const CycleTable table = Compute(rows);
    EXPECT_EQ(table.At(0, 1), 9);
    EXPECT_EQ(table.At(0, 2), 2);
    EXPECT_EQ(table.At(0, 6), 3);
}

TEST(CycleMethodTest, TableIsNotEmptiedBetweenPasses) {
    NumbersByDraw numbers;
    CycleTable table;
    table.Set(3, 4, 17);
    std::vector<Draw> rows;
    rows.push_back(MakeDraw(1, {1, 20, 21, 22, 23}, 24));
    AddFiller(rows, 2, 7);
    rows.push_back(MakeDraw(8, {1, 20, 21, 22, 23}, 24));
    const DrawHistory history(rows);
    ComputeCycleTable(history, numbers, table);
    const CycleTable first = table;
    EXPECT_EQ(first.At(3, 4), 17);
    EXPECT_EQ(first.At(0, 1), 1);
    ComputeCycleTable(history, numbers, table);
    EXPECT_EQ(table, first);
}

TEST(CycleMethodTest, HandlesDrawNumbersPastFiveThousand) {
    std::vector<Draw> rows;
    rows.push_back(MakeDraw(9000, {1, 20, 21, 22, 23}, 24));
    AddFiller(rows, 9001, 9006);
    rows.push_back(MakeDraw(9007, {20, 21, 1, 22, 23}, 24));
    EXPECT_EQ(Compute(rows).At(0, 3), 1);
}

// The grid keeps each number under its position; the rows the backtest and the log read leave
// the gaps out. Neither shows the bonus position.
TEST(CycleMethodTest, ShowsPositionsOneToFiveOnly) {
    GaruponPrediction prediction;
    prediction.cycles.Set(0, 1, 3);
    prediction.cycles.Set(0, 3, 8);
    prediction.cycles.Set(3, 5, 31);
    prediction.cycles.Set(1, 6, 12);
    ResultGrid grid;
    FillPredictionGrid(prediction, kCycleGrid, grid);
    EXPECT_EQ(grid.CellText(2, 2), "3");
    EXPECT_EQ(grid.CellText(3, 2), "");
    EXPECT_EQ(grid.CellText(4, 2), "8");
    EXPECT_EQ(grid.CellText(6, 5), "31");
    for (int row = 2; row <= 5; ++row) {
        for (int column = 2; column <= 6; ++column) {
            if (grid.CellText(column, row) == "12") {
                ADD_FAILURE() << "the bonus position is not shown";
            }
        }
    }
    EXPECT_EQ(prediction.Rows(kCycleMethod), (PredictionRows{{3, 8}, {}, {}, {31}}));
}

}  // namespace
}  // namespace pirumo
