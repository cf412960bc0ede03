#include "grid/resultgrid.h"

#include <gtest/gtest.h>

#include "grid/displaywidth.h"

namespace pirumo {
namespace {

constexpr Rgb kRed = MakeRgb(255, 0, 0);
constexpr Rgb kBlue = MakeRgb(0, 0, 255);

ResultGrid MakeGrid(int columns, int rows) {
    ResultGrid grid;
    grid.SetColumnCount(columns);
    grid.SetRowCount(rows);
    return grid;
}

TEST(ResultGridAddressing, PropertiesGoToTheCurrentCellOnlyOutsideBlockMode) {
    ResultGrid grid = MakeGrid(4, 4);
    grid.SelectBlock(1, 1, 3, 3);
    grid.SelectCell(2, 2);
    grid.SetBackColor(kRed);
    grid.SetText("x");
    EXPECT_EQ(grid.StyleAt(2, 2).back, kRed);
    EXPECT_EQ(grid.CellText(2, 2), "x");
    EXPECT_EQ(grid.StyleAt(1, 1).back, 0xffffffu);
    EXPECT_EQ(grid.CellText(3, 3), "");
}

TEST(ResultGridAddressing, BlockModeAppliesToEveryCellOfTheBlockAndCellEndsIt) {
    ResultGrid grid = MakeGrid(4, 4);
    grid.Block(3, 3, 2, 1);  // corners in any order
    grid.SetForeColor(kBlue);
    grid.SetText("b");
    for (int r = 1; r <= 4; ++r) {
        for (int c = 1; c <= 4; ++c) {
            const bool inside = c >= 2 && c <= 3 && r <= 3;
            EXPECT_EQ(grid.StyleAt(c, r).fore, inside ? kBlue : 0u) << c << "," << r;
            EXPECT_EQ(grid.CellText(c, r), inside ? "b" : "") << c << "," << r;
        }
    }
    grid.Cell(4, 4).SetText("c");
    EXPECT_FALSE(grid.BlockMode());
    EXPECT_EQ(grid.CellText(4, 4), "c");
    EXPECT_EQ(grid.CellText(2, 1), "b");
}

TEST(ResultGridAddressing, MinusOneMeansEveryDataColumnOrRowButNotTheHeaders) {
    ResultGrid grid = MakeGrid(3, 5);
    grid.Block(2, ResultGrid::kAll, 2, ResultGrid::kAll).SetBackColor(kRed);
    for (int r = 1; r <= 5; ++r) {
        EXPECT_EQ(grid.StyleAt(2, r).back, kRed);
        EXPECT_EQ(grid.StyleAt(1, r).back, 0xffffffu);
    }
    EXPECT_EQ(grid.StyleAt(2, 0).back, 0xffffffu);

    grid.Cell(ResultGrid::kAll, 4).SetText("row");  // whole row without block mode
    for (int c = 1; c <= 3; ++c) {
        EXPECT_EQ(grid.CellText(c, 4), "row");
    }
    EXPECT_EQ(grid.CellText(0, 4), "");

    grid.Block(ResultGrid::kAll, ResultGrid::kAll, ResultGrid::kAll, ResultGrid::kAll);
    grid.SetAlignment(HAlign::Left);
    EXPECT_EQ(grid.StyleAt(3, 5).align, HAlign::Left);
    EXPECT_EQ(grid.StyleAt(0, 0).align, HAlign::Center);
}

TEST(ResultGridAddressing, ZeroAddressesTheHeaderRowAndColumn) {
    ResultGrid grid = MakeGrid(3, 3);
    grid.SetCellText(2, 0, "B");
    grid.SetCellText(0, 2, "2");
    grid.Cell(0, 0).SetBackColor(kRed);
    EXPECT_EQ(grid.CellText(2, 0), "B");
    EXPECT_EQ(grid.CellText(0, 2), "2");
    EXPECT_EQ(grid.StyleAt(0, 0).back, kRed);
    EXPECT_EQ(grid.TextSpanAt(0, 2), (ResultGrid::TextSpan{0, 0, 0}));
    EXPECT_FALSE(grid.TextSpanAt(0, 1).HasText());
    grid.SetColumnWidth(0, 3);
    grid.SetRowHeight(0, 20);
    EXPECT_EQ(grid.ColumnWidth(0), 3);
    EXPECT_EQ(grid.RowHeight(0), 20);
    EXPECT_EQ(grid.ColumnWidth(1), ResultGrid::kDefaultColumnWidth);
}

TEST(ResultGridAddressing, WritesOutsideTheGridAreIgnored) {
    ResultGrid grid = MakeGrid(2, 2);
    grid.SetCellText(3, 1, "x");
    grid.SetCellText(1, 3, "x");
    grid.Cell(5, 5).SetBackColor(kRed);
    grid.Block(2, 2, 9, 9).SetText("y");
    EXPECT_EQ(grid.CellText(3, 1), "");
    EXPECT_EQ(grid.CellText(2, 2), "y");
    EXPECT_EQ(grid.StyleAt(5, 5).back, 0xffffffu);
    grid.InsertRow(0);
    grid.DeleteRow(3);
    EXPECT_EQ(grid.RowCount(), 2);
}

TEST(ResultGridTexts, NumbersAreDecimalTextAndTextsAreShared) {
    ResultGrid grid = MakeGrid(3, 2);
    grid.SetCellText(1, 1, 1353LL);
    grid.SetCellText(2, 1, -7LL);
    grid.SetCellText(3, 1, "1353");
    EXPECT_EQ(grid.CellText(1, 1), "1353");
    EXPECT_EQ(grid.CellText(2, 1), "-7");
    EXPECT_EQ(&grid.CellText(1, 1), &grid.CellText(3, 1));
}

TEST(ResultGridTexts, ACopyOutlivesItsOriginal) {
    ResultGrid copy;
    {
        ResultGrid original = MakeGrid(2, 1);
        original.SetCellText(1, 1, "当");
        copy = original;
    }
    copy.SetCellText(2, 1, "当");
    EXPECT_EQ(copy.CellText(1, 1), "当");
    EXPECT_EQ(&copy.CellText(1, 1), &copy.CellText(2, 1));
}

TEST(ResultGridTexts, ClearBlockTextsKeepsFormatting) {
    ResultGrid grid = MakeGrid(3, 3);
    grid.Block(1, 1, 3, 3).SetText("t");
    grid.SetBackColor(kRed);
    grid.SetCellBorder(border::kAll, kBlue);
    grid.Block(2, 2, 3, 3).ClearBlockTexts();
    EXPECT_EQ(grid.CellText(2, 2), "");
    EXPECT_EQ(grid.CellText(3, 3), "");
    EXPECT_EQ(grid.CellText(1, 1), "t");
    EXPECT_EQ(grid.StyleAt(3, 3).back, kRed);
    EXPECT_EQ(grid.StyleAt(3, 3).borders, border::kAll);
}

TEST(ResultGridStyles, StylesCombineAndEqualCellsShareOne) {
    ResultGrid grid = MakeGrid(3, 3);
    grid.Block(1, 1, 3, 3);
    grid.SetCellType(CellType::EditText);
    grid.SetForeColor(kBlue);
    grid.Cell(2, 2).SetBackColor(kRed);
    const CellStyle& style = grid.StyleAt(2, 2);
    EXPECT_EQ(style.type, CellType::EditText);
    EXPECT_EQ(style.fore, kBlue);
    EXPECT_EQ(style.back, kRed);
    EXPECT_EQ(&grid.StyleAt(1, 1), &grid.StyleAt(3, 3));
    EXPECT_EQ(grid.StyleAt(0, 0), CellStyle{});
}

TEST(ResultGridBorders, SingleSidesAddToEveryCellKeepingOtherSides) {
    ResultGrid grid = MakeGrid(3, 3);
    grid.Block(1, 1, 2, 2).SetCellBorder(border::kLeft, kRed);
    grid.SetCellBorder(border::kBottom, kBlue);
    for (int r = 1; r <= 2; ++r) {
        for (int c = 1; c <= 2; ++c) {
            const CellStyle& s = grid.StyleAt(c, r);
            EXPECT_EQ(s.borders, border::kLeft | border::kBottom);
            EXPECT_EQ(s.borderColours[0], kRed);
            EXPECT_EQ(s.borderColours[3], kBlue);
        }
    }
    grid.Block(2, 1, 2, 1).SetCellBorder(border::kRight | border::kTop, kRed);
    EXPECT_EQ(grid.StyleAt(2, 1).borders, border::kAll);
    EXPECT_EQ(grid.StyleAt(3, 3).borders, 0);
}

TEST(ResultGridBorders, FifteenFramesEveryCellAndZeroClearsEveryCell) {
    ResultGrid grid = MakeGrid(3, 3);
    grid.Block(1, 1, 3, 3).SetCellBorder(border::kAll, kRed);
    EXPECT_EQ(grid.StyleAt(2, 2).borders, border::kAll);
    EXPECT_EQ(grid.StyleAt(2, 2).borderColours, (std::array<Rgb, 4>{kRed, kRed, kRed, kRed}));
    grid.Block(1, 1, 2, 1).SetCellBorder(border::kNone);
    EXPECT_EQ(grid.StyleAt(1, 1).borders, 0);
    EXPECT_EQ(grid.StyleAt(2, 1).borders, 0);
    EXPECT_EQ(grid.StyleAt(3, 1).borders, border::kAll);
    // A cleared cell is the default style again, not a look-alike.
    grid.Block(1, 2, 3, 3).SetCellBorder(border::kNone);
    EXPECT_EQ(&grid.StyleAt(1, 2), &grid.StyleAt(0, 0));
}

TEST(ResultGridBorders, OutlineDrawsOnlyTheBlockEdges) {
    ResultGrid grid = MakeGrid(5, 5);
    grid.Block(2, 2, 4, 4).SetCellBorder(border::kOutline, kBlue);
    EXPECT_EQ(grid.StyleAt(2, 2).borders, border::kLeft | border::kTop);
    EXPECT_EQ(grid.StyleAt(3, 2).borders, border::kTop);
    EXPECT_EQ(grid.StyleAt(4, 2).borders, border::kRight | border::kTop);
    EXPECT_EQ(grid.StyleAt(2, 3).borders, border::kLeft);
    EXPECT_EQ(grid.StyleAt(3, 3).borders, 0);
    EXPECT_EQ(grid.StyleAt(4, 4).borders, border::kRight | border::kBottom);
    EXPECT_EQ(grid.StyleAt(4, 4).borderColours[1], kBlue);
    EXPECT_EQ(grid.StyleAt(1, 1).borders, 0);
    EXPECT_EQ(grid.StyleAt(5, 5).borders, 0);

    grid.Block(1, 1, 1, 1).SetCellBorder(border::kOutline, kRed);  // one cell: all four
    EXPECT_EQ(grid.StyleAt(1, 1).borders, border::kAll);
}

TEST(ResultGridOverflow, OffByDefault) {
    ResultGrid grid = MakeGrid(3, 1);
    grid.SetColumnWidth(ResultGrid::kAll, 2);
    grid.Cell(1, 1).SetAlignment(HAlign::Left);
    grid.SetText("long text");
    EXPECT_EQ(grid.OverflowSource(2, 1), 0);
    EXPECT_EQ(grid.TextSpanAt(1, 1), (ResultGrid::TextSpan{1, 1, 1}));
}

TEST(ResultGridOverflow, LeftTextRunsRightUntilItFitsOrMeetsText) {
    ResultGrid grid = MakeGrid(6, 2);
    grid.SetColumnWidth(ResultGrid::kAll, 5);
    grid.SetAllowOverflow(true);
    grid.Block(1, 1, 6, 2).SetAlignment(HAlign::Left);
    grid.SetCellText(1, 1, "  当 選 数 字");  // 13 wide: three columns of 5
    EXPECT_EQ(grid.OverflowSource(2, 1), 1);
    EXPECT_EQ(grid.OverflowSource(3, 1), 1);
    EXPECT_EQ(grid.OverflowSource(4, 1), 0);
    EXPECT_EQ(grid.TextSpanAt(3, 1), (ResultGrid::TextSpan{1, 1, 3}));

    grid.SetCellText(1, 2, "abcdefghijklmnopqrst");
    grid.SetCellText(3, 2, "x");
    EXPECT_EQ(grid.OverflowSource(2, 2), 1);
    EXPECT_EQ(grid.TextSpanAt(1, 2), (ResultGrid::TextSpan{1, 1, 2}));
    EXPECT_EQ(grid.OverflowSource(3, 2), 0);
    EXPECT_EQ(grid.OverflowSource(4, 2), 0);  // x fits and nothing else reaches

    grid.SetCellText(5, 1, "12345");  // exactly fits: no overflow
    EXPECT_EQ(grid.OverflowSource(6, 1), 0);
}

TEST(ResultGridOverflow, CentredTextSpreadsToBothSidesAcrossEmptyCellsOnly) {
    ResultGrid grid = MakeGrid(7, 2);
    grid.SetColumnWidth(ResultGrid::kAll, 5);
    grid.SetAllowOverflow(true);
    grid.SetCellText(4, 1, "前回までの出現");  // 14 wide: one column each side
    EXPECT_EQ(grid.TextSpanAt(4, 1), (ResultGrid::TextSpan{4, 3, 5}));
    EXPECT_EQ(grid.OverflowSource(3, 1), 4);
    EXPECT_EQ(grid.OverflowSource(5, 1), 4);
    EXPECT_EQ(grid.OverflowSource(2, 1), 0);

    // Blocked on the right, it takes what it needs on the left.
    grid.SetCellText(5, 2, "x");
    grid.SetCellText(4, 2, "前回までの出現");
    EXPECT_EQ(grid.TextSpanAt(4, 2), (ResultGrid::TextSpan{4, 2, 4}));
    EXPECT_EQ(grid.OverflowSource(1, 2), 0);
}

TEST(ResultGridOverflow, AnEarlierLeftTextKeepsTheCellsItTook) {
    ResultGrid grid = MakeGrid(5, 1);
    grid.SetColumnWidth(ResultGrid::kAll, 4);
    grid.SetAllowOverflow(true);
    grid.Cell(1, 1).SetAlignment(HAlign::Left);
    grid.SetText("abcdefg");
    grid.SetCellText(3, 1, "abcdefghijkl");
    EXPECT_EQ(grid.TextSpanAt(1, 1), (ResultGrid::TextSpan{1, 1, 2}));
    EXPECT_EQ(grid.TextSpanAt(3, 1), (ResultGrid::TextSpan{3, 3, 5}));
}

TEST(ResultGridRows, InsertAndDeleteShiftTextsAndHeights) {
    ResultGrid grid = MakeGrid(2, 3);
    for (int r = 1; r <= 3; ++r) {
        grid.SetCellText(1, r, static_cast<long long>(r));
        grid.SetRowHeight(r, 10 + r);
    }
    grid.Block(1, 2, 2, 3).SetCellType(CellType::EditText);
    grid.InsertRow(2);
    EXPECT_EQ(grid.RowCount(), 4);
    EXPECT_EQ(grid.CellText(1, 1), "1");
    EXPECT_EQ(grid.CellText(1, 2), "");
    EXPECT_EQ(grid.CellText(1, 3), "2");
    EXPECT_EQ(grid.CellText(1, 4), "3");
    EXPECT_EQ(grid.StyleAt(1, 2).type, CellType::EditText);  // looks like the row it pushed down
    EXPECT_EQ(grid.RowHeight(2), 12);
    EXPECT_EQ(grid.RowHeight(4), 13);

    grid.InsertRow(5);  // append
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(grid.StyleAt(2, 5).type, CellType::EditText);

    grid.DeleteRow(1);
    EXPECT_EQ(grid.RowCount(), 4);
    EXPECT_EQ(grid.CellText(1, 1), "");
    EXPECT_EQ(grid.CellText(1, 2), "2");
    EXPECT_EQ(grid.RowHeight(3), 13);
}

TEST(ResultGridSize, ResizingKeepsExistingCells) {
    ResultGrid grid = MakeGrid(3, 3);
    grid.SetCellText(2, 2, "keep");
    grid.SetCellText(3, 3, "lost");
    grid.SetColumnWidth(2, 4);
    grid.SetRowHeight(2, 20);
    grid.Cell(2, 2).SetBackColor(kRed);
    grid.SetColumnCount(5);
    grid.SetRowCount(6);
    EXPECT_EQ(grid.CellText(2, 2), "keep");
    EXPECT_EQ(grid.StyleAt(2, 2).back, kRed);
    EXPECT_EQ(grid.CellText(5, 6), "");
    grid.SetColumnCount(2);
    grid.SetRowCount(2);
    grid.SetColumnCount(3);
    grid.SetRowCount(3);
    EXPECT_EQ(grid.CellText(2, 2), "keep");
    EXPECT_EQ(grid.CellText(3, 3), "");
    EXPECT_EQ(grid.ColumnWidth(2), 4);
    EXPECT_EQ(grid.RowHeight(2), 20);
    EXPECT_EQ(grid.ColumnWidth(3), ResultGrid::kDefaultColumnWidth);
}

// Cells store their text and style ids in as few bytes as the grid needs so far; a grid that
// outgrows one byte of styles and two bytes of texts keeps every cell through resizing, inserting
// and deleting rows.
TEST(ResultGridSize, CellsKeepTheirTextsAndStylesPastEveryIdWidth) {
    constexpr int kRows = 30'000;  // 90,000 distinct texts
    constexpr int kStyledRows = 300;
    ResultGrid grid = MakeGrid(3, kRows);
    const auto text = [](int column, int row) { return std::to_string(row * 3 + column); };
    for (int r = 1; r <= kRows; ++r) {
        for (int c = 1; c <= 3; ++c) {
            grid.SetCellText(c, r, text(c, r));
        }
        if (r <= kStyledRows) {
            grid.Cell(2, r).SetBackColor(static_cast<Rgb>(r));
        }
    }
    grid.SetColumnCount(4);
    grid.InsertRow(1);
    grid.InsertRow(1);
    grid.DeleteRow(1);
    ASSERT_EQ(grid.RowCount(), kRows + 1);
    for (int r = 1; r <= kRows; ++r) {
        for (int c = 1; c <= 3; ++c) {
            ASSERT_EQ(grid.CellText(c, r + 1), text(c, r)) << c << "," << r;
        }
        ASSERT_EQ(grid.CellText(4, r + 1), "");
        ASSERT_EQ(grid.StyleAt(2, r + 1).back, r <= kStyledRows ? static_cast<Rgb>(r) : 0xffffffu);
    }
    EXPECT_EQ(grid.StyleAt(2, 1).back, 1u);  // the inserted row looks like the row it pushed down
    EXPECT_EQ(grid.CellText(2, 1), "");
}

TEST(ResultGridSize, WidthsAndHeightsForAllAndOne) {
    ResultGrid grid = MakeGrid(3, 4);
    grid.SetRowHeight(ResultGrid::kAll, 10);
    grid.SetRowHeight(1, 15);
    grid.SetColumnWidth(ResultGrid::kAll, 5);
    EXPECT_EQ(grid.RowHeight(1), 15);
    EXPECT_EQ(grid.RowHeight(4), 10);
    EXPECT_EQ(grid.RowHeight(0), ResultGrid::kDefaultRowHeight);
    EXPECT_EQ(grid.ColumnWidth(3), 5);
}

TEST(ResultGridSize, AFullAnalysisGridStaysSmall) {
    ResultGrid grid = MakeGrid(33, 1400);
    grid.Block(1, 1, 33, 1400).SetCellBorder(border::kAll);
    for (int r = 1; r <= 1400; ++r) {
        for (int c = 1; c <= 33; ++c) {
            grid.SetCellText(c, r, static_cast<long long>(r * c % 1500));
        }
    }
    EXPECT_LT(grid.MemoryBytes(), 1'000'000u);
}

TEST(DisplayWidth, WideCharactersCountTwo) {
    EXPECT_EQ(DisplayWidth(""), 0);
    EXPECT_EQ(DisplayWidth("abc"), 3);
    EXPECT_EQ(DisplayWidth("第1数字"), 7);
    EXPECT_EQ(DisplayWidth("\u3000ｱ"), 3);  // ideographic space wide, half-width kana narrow
    EXPECT_EQ(DisplayWidth("ﾒｯｾ－ｼﾞ"), 7);
    EXPECT_EQ(DisplayWidth("\xff\xe3\x81"), 3);  // broken bytes count one each
}

}  // namespace
}  // namespace pirumo
