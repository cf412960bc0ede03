#include "analyses/lastdigit.h"

#include <gtest/gtest.h>

#include "analyses/lastdigitrun.h"
#include "analysiswindowrun.h"

namespace pirumo {
namespace {

using test::MakeDraw;

constexpr Rgb kWhite = MakeRgb(255, 255, 255);

int DigitColumn(int digit) {
    return digit + 2;
}

TEST(LastDigitWindow, MarksRepeatTheDigitOncePerNumberAndColourByCount) {
    const ResultGrid grid =
        test::RunWindowAnalysis(LastDigitAnalysis(), {MakeDraw(1, {1, 11, 21, 5, 16}, 31),
                                                      MakeDraw(2, {10, 20, 3, 13, 23}, 30),
                                                      MakeDraw(3, {2, 12, 4, 6, 8}, 9)});
    EXPECT_EQ(grid.CellText(1, 3), "1");
    EXPECT_EQ(grid.CellText(DigitColumn(1), 3), "1111");
    EXPECT_EQ(grid.StyleAt(DigitColumn(1), 3).back, MakeRgb(255, 200, 200));
    EXPECT_EQ(grid.CellText(DigitColumn(5), 3), "5");
    EXPECT_EQ(grid.CellText(DigitColumn(6), 3), "6");
    EXPECT_EQ(grid.StyleAt(DigitColumn(5), 3).back, kWhite);
    for (int digit : {0, 2, 3, 4, 7, 8, 9}) {
        EXPECT_EQ(grid.CellText(DigitColumn(digit), 3), "") << digit;
        EXPECT_EQ(grid.StyleAt(DigitColumn(digit), 3).back, kWhite) << digit;
    }
    EXPECT_EQ(grid.CellText(DigitColumn(0), 4), "000");
    EXPECT_EQ(grid.CellText(DigitColumn(3), 4), "333");
    EXPECT_EQ(grid.StyleAt(DigitColumn(0), 4).back, MakeRgb(200, 255, 200));
    EXPECT_EQ(grid.StyleAt(DigitColumn(3), 4).back, MakeRgb(200, 255, 200));
    EXPECT_EQ(grid.CellText(DigitColumn(2), 5), "22");
    EXPECT_EQ(grid.StyleAt(DigitColumn(2), 5).back, MakeRgb(200, 255, 255));
}

// Both last-digit windows: two header rows on top, the same two mirrored at the bottom.
TEST(LastDigitWindows, BottomHeaderMirrorsTheTopOne) {
    const std::string title = test::Runs("43S下一桁数字27S3I18S");
    ASSERT_EQ(test::CodePoints(title), 96u);
    for (const Analysis& window : {LastDigitAnalysis(), LastDigitRunAnalysis()}) {
        const ResultGrid grid = test::RunWindowAnalysis(window, test::NumberedDraws(7));
        ASSERT_EQ(grid.ColumnCount(), 11) << window.name;
        ASSERT_EQ(grid.RowCount(), 11) << window.name;
        EXPECT_EQ(grid.VisibleColumns(), 29);
        EXPECT_EQ(grid.VisibleRows(), 52);
        for (int titleRow : {1, 11}) {
            EXPECT_EQ(grid.CellText(1, titleRow), "回数");
            EXPECT_EQ(grid.CellText(2, titleRow), title);
            EXPECT_EQ(grid.StyleAt(2, titleRow).align, HAlign::Left);
            EXPECT_EQ(grid.RowHeight(titleRow), 20);
            EXPECT_EQ(grid.StyleAt(5, titleRow).borders, border::kTop | border::kBottom);
            EXPECT_EQ(grid.StyleAt(11, titleRow).borders,
                      border::kRight | border::kTop | border::kBottom);
        }
        for (int digitRow : {2, 10}) {
            EXPECT_EQ(grid.RowHeight(digitRow), 10);
            for (int digit = 0; digit <= 9; ++digit) {
                EXPECT_EQ(grid.CellText(DigitColumn(digit), digitRow), std::to_string(digit));
                EXPECT_EQ(grid.StyleAt(DigitColumn(digit), digitRow).back, MakeRgb(255, 200, 200));
                EXPECT_EQ(grid.StyleAt(DigitColumn(digit), digitRow).fore, MakeRgb(0, 0, 255));
            }
        }
        EXPECT_EQ(grid.StyleAt(1, 10).back, MakeRgb(255, 255, 200));
        EXPECT_EQ(grid.StyleAt(1, 10).fore, MakeRgb(255, 0, 0));
    }
}

TEST(LastDigitWindow, SkippedRecordsLeaveRowsBeforeTheBottomHeaderEmpty) {
    auto draws = test::NumberedDraws(4);
    draws[0].numbers[2] = Draw::kOtherValue;
    const ResultGrid grid = test::RunWindowAnalysis(LastDigitAnalysis(), draws);
    ASSERT_EQ(grid.RowCount(), 8);
    EXPECT_EQ(grid.CellText(1, 3), "2");
    EXPECT_EQ(grid.CellText(1, 5), "4");
    EXPECT_EQ(grid.CellText(1, 6), "");
    EXPECT_EQ(grid.StyleAt(4, 6).borders, border::kAll);
    EXPECT_EQ(grid.CellText(5, 7), "3");
}

TEST(LastDigitWindow, RealHistoryEveryRowHoldsSixMarks) {
    const DrawHistory history = test::LoadRealHistory();
    ResultGrid grid;
    LastDigitAnalysis().fillGrid(history, grid);
    const int last = history.LastDrawNumber();
    ASSERT_EQ(grid.RowCount(), last + 4);
    for (int row = 3; row <= last + 2; ++row) {
        std::size_t marks = 0;
        for (int digit = 0; digit <= 9; ++digit) {
            marks += grid.CellText(DigitColumn(digit), row).size();
        }
        ASSERT_EQ(marks, 6u) << row;
    }
    EXPECT_EQ(grid.CellText(1, last + 2), std::to_string(last));
}

}  // namespace
}  // namespace pirumo
