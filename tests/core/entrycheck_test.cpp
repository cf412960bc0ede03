#include <gtest/gtest.h>

#include "history/entry/entrygrid.h"
#include "history/entry/entrytext.h"

namespace pirumo {
namespace {

using Kind = EntryText::Kind;

TEST(EntryTextTest, AcceptsWholeNumbersOneToThirtyOneInEitherWidth) {
    const std::pair<const char*, int> accepted[] = {
        {"1", 1},         {"31", 31},  {"07", 7},     {"５", 5},
        {"３１", 31},     {"1５", 15}, {" 12\t", 12}, {"\u3000２\u3000", 2},
        {"0000000009", 9}};
    for (const auto& [text, number] : accepted) {
        const EntryText value = ParseEntryText(text);
        EXPECT_EQ(value.kind, Kind::kNumber) << text;
        EXPECT_EQ(value.number, number) << text;
        EXPECT_EQ(value.CellText(), std::to_string(number)) << text;
    }
    for (const char* text : {"", "  ", "\u3000"}) {
        EXPECT_EQ(ParseEntryText(text).kind, Kind::kEmpty) << text;
        EXPECT_EQ(ParseEntryText(text).CellText(), "") << text;
    }
}

TEST(EntryTextTest, RefusesAnythingElse) {
    for (const char* text : {"0", "32", "００", "３２", "1.5", "1.0", "１．５", "abc", "-3", "+3",
                             "1 2", "5x", "99999999999999999999", "Ⅲ", "\xEF\xBC"}) {
        EXPECT_EQ(ParseEntryText(text).kind, Kind::kWrong) << text;
    }
}

TEST(EntryTextTest, StoredValuesShowAsTheyAre) {
    EXPECT_EQ(StoredNumberText(std::nullopt), "");
    EXPECT_EQ(StoredNumberText(12), "12");
    EXPECT_EQ(StoredNumberText(40), "40");
}

TEST(EntryGridTest, SetUpGivesTheEntryLayout) {
    ResultGrid grid;
    SetUpEntryGrid(grid, 3);
    EXPECT_EQ(grid.ColumnCount(), 8);
    EXPECT_EQ(grid.RowCount(), 3);
    EXPECT_EQ(grid.VisibleColumns(), 8);
    EXPECT_EQ(grid.VisibleRows(), 50);
    EXPECT_TRUE(grid.ColumnHeadersVisible());
    EXPECT_EQ(grid.GetScrollBars(), ScrollBars::Vertical);
    EXPECT_EQ(grid.CellText(1, 0), "回数");
    EXPECT_EQ(grid.CellText(2, 0), "第1数字");
    EXPECT_EQ(grid.CellText(7, 0), "ボ数字");
    EXPECT_EQ(grid.CellText(8, 0), "開催日");
    EXPECT_EQ(grid.ColumnWidth(8), 11);
    EXPECT_EQ(grid.ColumnWidth(1), 5);
    for (int c = 2; c <= 7; ++c) {
        EXPECT_EQ(grid.ColumnWidth(c), 7) << c;
    }
    for (int r = 1; r <= 3; ++r) {
        EXPECT_EQ(grid.RowHeight(r), 10);
        const CellStyle& draw = grid.StyleAt(1, r);
        EXPECT_EQ(draw.type, CellType::StaticText);
        EXPECT_EQ(draw.fore, MakeRgb(255, 0, 0));
        EXPECT_EQ(draw.back, MakeRgb(255, 255, 200));
        for (int c = 2; c <= 6; ++c) {
            const CellStyle& number = grid.StyleAt(c, r);
            EXPECT_EQ(number.type, CellType::EditText);
            EXPECT_EQ(number.align, HAlign::Center);
            EXPECT_EQ(number.fore, 0u);
            EXPECT_EQ(number.back, 0xffffffu);
        }
        const CellStyle& bonus = grid.StyleAt(7, r);
        EXPECT_EQ(bonus.type, CellType::EditText);
        EXPECT_EQ(bonus.align, HAlign::Center);
        EXPECT_EQ(bonus.fore, MakeRgb(0, 0, 255));
        EXPECT_EQ(bonus.back, MakeRgb(197, 255, 255));
        EXPECT_EQ(grid.StyleAt(8, r).type, CellType::EditText);
        for (int c = 1; c <= 8; ++c) {
            EXPECT_EQ(grid.StyleAt(c, r).borders, border::kAll);
        }
    }
}

ResultGrid GridOf(std::initializer_list<std::array<const char*, 6>> rows) {
    ResultGrid grid;
    SetUpEntryGrid(grid, static_cast<int>(rows.size()));
    int r = 0;
    for (const auto& row : rows) {
        ++r;
        grid.SetCellText(1, r, r);
        for (int c = 2; c <= 7; ++c) {
            grid.SetCellText(c, r, row[static_cast<std::size_t>(c - 2)]);
        }
    }
    return grid;
}

TEST(EntryCheckTest, EmptyAndCompleteDrawsPass) {
    EXPECT_EQ(FindWrongEntryCell(GridOf({})), std::nullopt);
    EXPECT_EQ(FindWrongEntryCell(GridOf({{"1", "2", "3", "4", "31", "6"},
                                         {"", "", "", "", "", ""},
                                         {"7", "", "9", "", "", "8"}})),
              std::nullopt);
}

TEST(EntryCheckTest, FindsTheFirstWrongCellRowByRow) {
    const std::array<const char*, 6> good = {"1", "2", "3", "4", "5", "6"};
    struct Case {
        std::array<const char*, 6> bad;
        EntryCell expected;
    };
    const Case cases[] = {
        {{"0", "2", "3", "4", "5", "6"}, {2, 2}},    // below 1
        {{"1", "2", "3", "4", "32", "6"}, {6, 2}},   // above 31
        {{"1", "2", "1.5", "4", "5", "6"}, {4, 2}},  // a fraction
        {{"1", "2", "3", "4", "5", "40"}, {7, 2}},   // a bad bonus
        {{"1", "2", "3", "4", "5", "abc"}, {7, 2}},  // not a number at all
        {{"9", "2", "3", "9", "5", "6"}, {5, 2}},    // a main number twice
        {{"1", "2", "3", "4", "5", "3"}, {7, 2}},    // the bonus repeats a main number
        {{"", "7", "", "", "7", ""}, {6, 2}},        // repeated among filled cells
        {{"33", "2", "2", "4", "5", "0"}, {2, 2}},   // column order within the row
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FindWrongEntryCell(GridOf({good, c.bad, {"0", "", "", "", "", ""}})), c.expected)
            << c.expected.column;
    }
}

TEST(EntryCheckTest, CoversEveryRowOfALongHistory) {
    ResultGrid grid;
    SetUpEntryGrid(grid, 6000);
    grid.SetCellText(7, 5999, "0");
    EXPECT_EQ(FindWrongEntryCell(grid), (EntryCell{7, 5999}));
}

}  // namespace
}  // namespace pirumo
