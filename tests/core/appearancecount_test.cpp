#include <gtest/gtest.h>

#include "analyses/analysiscatalog.h"
#include "analyses/appearancecount.h"
#include "analysiswindowrun.h"
#include "filebytes.h"
#include "history/import/historycsv.h"
#include "testhistory.h"

namespace pirumo {
namespace {

using test::MakeDraw;

ResultGrid RunWindow(const DrawHistory& history) {
    ResultGrid grid;
    AppearanceCountAnalysis().fillGrid(history, grid);
    return grid;
}

std::vector<std::string> RowTexts(const ResultGrid& grid, int row) {
    std::vector<std::string> texts;
    for (int c = 1; c <= grid.ColumnCount(); ++c) {
        texts.push_back(grid.CellText(c, row));
    }
    return texts;
}

TEST(AppearanceCountWindow, DescribesItsWindow) {
    const Analysis description = AppearanceCountAnalysis();
    EXPECT_EQ(description.caption, "出現回数分析");
    EXPECT_EQ(description.summary, "過去の当選数字が何回出現したか分析します");
    ASSERT_NE(FindAnalysis("出現回数分析"), nullptr);
}

TEST(AppearanceCountWindow, CountsEarlierDrawsIncludingTheBonus) {
    // 7 is the bonus of draw 1 and a main number of draw 2.
    const DrawHistory history({MakeDraw(1, {1, 2, 3, 4, 5}, 7), MakeDraw(2, {7, 1, 9, 10, 11}, 2),
                               MakeDraw(3, {1, 7, 2, 20, 21}, 3)});
    const ResultGrid grid = RunWindow(history);
    ASSERT_EQ(grid.ColumnCount(), 13);
    ASSERT_EQ(grid.RowCount(), 5);
    using V = std::vector<std::string>;
    EXPECT_EQ(RowTexts(grid, 3),
              (V{"1", "1", "2", "3", "4", "5", "7", "0", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(RowTexts(grid, 4),
              (V{"2", "7", "1", "9", "10", "11", "2", "1", "1", "0", "0", "0", "1"}));
    EXPECT_EQ(RowTexts(grid, 5),
              (V{"3", "1", "7", "2", "20", "21", "3", "2", "2", "2", "0", "0", "1"}));
}

TEST(AppearanceCountWindow, InvalidRowsLeaveNoGapAndEmptyRowsAtTheEnd) {
    const DrawHistory history({MakeDraw(1, {1, 2, 3, 4, 5}, 6), MakeDraw(2, {1, 2, 3, 4, 5}, 0),
                               MakeDraw(3, {1, 8, 9, 10, 11}, 12),
                               MakeDraw(4, {1, 2, 3, 4, 40}, 6)});
    const ResultGrid grid = RunWindow(history);
    // LastDrawNumber is 3 (draw 4 holds 40), so 5 rows; draw 3 follows draw 1 directly.
    ASSERT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(grid.CellText(1, 4), "3");
    EXPECT_EQ(grid.CellText(8, 4), "1");
    EXPECT_EQ(grid.CellText(1, 5), "");
    EXPECT_EQ(grid.StyleAt(1, 5).back, MakeRgb(255, 255, 200));
}

TEST(AppearanceCountWindow, HeaderRowsAreLaidOutAsTwoBands) {
    const ResultGrid grid = RunWindow(DrawHistory({MakeDraw(1, {1, 2, 3, 4, 5}, 6)}));
    EXPECT_EQ(grid.CellText(4, 1), "  当 選 数 字");
    EXPECT_EQ(grid.StyleAt(4, 1).align, HAlign::Left);
    EXPECT_EQ(grid.CellText(11, 1), "前回までの出現回数合計(回)");
    EXPECT_EQ(grid.StyleAt(11, 1).align, HAlign::Center);
    EXPECT_TRUE(grid.AllowOverflow());
    EXPECT_EQ(grid.CellText(1, 2), "回数");
    EXPECT_EQ(grid.CellText(7, 2), "ボ数字");
    EXPECT_EQ(grid.CellText(12, 2), "第5数字");
    EXPECT_DOUBLE_EQ(grid.RowHeight(1), 20);
    EXPECT_DOUBLE_EQ(grid.RowHeight(2), 12);
    EXPECT_DOUBLE_EQ(grid.RowHeight(3), 10);
    EXPECT_DOUBLE_EQ(grid.ColumnWidth(13), 5);

    EXPECT_EQ(grid.StyleAt(3, 1).fore, MakeRgb(0, 0, 255));
    EXPECT_EQ(grid.StyleAt(3, 2).back, MakeRgb(200, 255, 255));
    EXPECT_EQ(grid.StyleAt(9, 2).fore, MakeRgb(255, 0, 0));
    EXPECT_EQ(grid.StyleAt(9, 1).back, MakeRgb(200, 255, 200));
    EXPECT_EQ(grid.StyleAt(1, 3).fore, MakeRgb(255, 0, 0));

    // Row 1 keeps only the right edges of columns 7 and 13; row 2 is framed everywhere.
    EXPECT_EQ(grid.StyleAt(3, 1).borders, 0);
    EXPECT_EQ(grid.StyleAt(7, 1).borders, border::kRight);
    EXPECT_EQ(grid.StyleAt(13, 1).borders, border::kRight);
    EXPECT_EQ(grid.StyleAt(1, 1).borders, border::kAll);
    EXPECT_EQ(grid.StyleAt(5, 2).borders, border::kAll);
    EXPECT_EQ(grid.ActiveColumn(), 0);
    EXPECT_EQ(grid.ActiveRow(), 0);
}

TEST(AppearanceCountWindow, EmptyHistoryGivesHeaderRowsOnly) {
    const ResultGrid grid = RunWindow(DrawHistory());
    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(grid.CellText(1, 2), "回数");
}

TEST(AppearanceCountWindow, RealHistorySpotChecks) {
    const auto csv = test::RealHistoryCsv();
    const DrawHistory history(ParseCsvHistory(test::ReadFileBytes(csv)));
    const ResultGrid grid = RunWindow(history);
    EXPECT_EQ(grid.RowCount(), 1355);
    using V = std::vector<std::string>;
    EXPECT_EQ(RowTexts(grid, 3),
              (V{"1", "1", "3", "17", "20", "25", "26", "0", "0", "0", "0", "0", "0"}));
    // Every count shown is below the draw's position, and the last row holds draw 1353.
    EXPECT_EQ(grid.CellText(1, 1355), "1353");
    int total = 0;
    for (int c = 8; c <= 13; ++c) {
        total += std::stoi(grid.CellText(c, 1355));
    }
    EXPECT_GT(total, 6 * 200);
    EXPECT_EQ(RowTexts(RunWindow(history), 700), RowTexts(grid, 700));
}

// The count shown beside a number's last appearance, plus that appearance, must be the count the
// frequency windows take from the history's aggregates; invalid rows count in neither.
TEST(AppearanceCountResult, LastEarlierCountsMeetTheNumberCounts) {
    const std::vector<DrawHistory> histories = {
        test::LoadRealHistory(),
        DrawHistory({MakeDraw(1, {1, 2, 3, 4, 5}, 6), MakeDraw(2, {1, 2, 3, 4, 5}, 0),
                     MakeDraw(4, {6, 1, 9, 10, 11}, 2), MakeDraw(5, {1, 2, 3, 4, 40}, 6)}),
    };
    for (const DrawHistory& history : histories) {
        const AppearanceCountResult result = AnalyseAppearanceCount(history);
        EXPECT_EQ(result.lastDrawNumber, history.LastDrawNumber());
        PerNumber<int> lastShown{};
        for (const AppearanceCountRow& row : result.rows) {
            for (std::size_t i = 0; i < row.draw.numbers.size(); ++i) {
                lastShown[static_cast<std::size_t>(row.draw.numbers[i])] = row.earlierCounts[i] + 1;
            }
        }
        EXPECT_EQ(lastShown, history.NumberCounts());
    }
}

}  // namespace
}  // namespace pirumo
