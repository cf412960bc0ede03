#include "analyses/groupdata.h"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "analyses/analysiscolours.h"
#include "analyses/gridsetup.h"

namespace pirumo {

namespace {

constexpr int kColumns = 33;
constexpr int kLastNumberColumn = 32;
constexpr int kDrawsPerBlock = 50;
constexpr int kHeaderRowsPerBlock = 2;
constexpr int kFirstDrawRow = 4;
constexpr const char* kMark = "●";

// n half-width blanks / n ideographic blanks (U+3000): the header texts are placed with them.
std::string Blanks(int n) {
    return std::string(static_cast<std::size_t>(n), ' ');
}
std::string WideBlanks(int n) {
    std::string text;
    for (int i = 0; i < n; ++i) {
        text += "　";
    }
    return text;
}

std::string Join(std::initializer_list<std::string_view> pieces) {
    std::string text;
    for (std::string_view piece : pieces) {
        text.append(piece);
    }
    return text;
}

struct NumberGroup {
    int first;
    int last;
    std::string header;  // written at the group's first column of a block's group-title row
};

// Everything the six-, seven- and ten-group windows do not share.
struct GroupTable {
    const char* name;
    const char* caption;
    const char* summary;
    bool tallTitleRows;  // rows 1 and 2 taller than the rest
    std::string title;   // chart title in row 1
    std::vector<NumberGroup> groups;
};

int ColumnOf(int number) {
    return number + 1;
}

// Which group the number falls into, or -1 for a number outside 1..31.
int GroupOf(const GroupTable& table, int number) {
    for (std::size_t g = 0; g < table.groups.size(); ++g) {
        if (number >= table.groups[g].first && number <= table.groups[g].last) {
            return static_cast<int>(g);
        }
    }
    return -1;
}

int BlockCount(int lastDrawNumber) {
    return (lastDrawNumber + kDrawsPerBlock - 1) / kDrawsPerBlock;
}

int BlockHeaderRow(int block) {
    return (kDrawsPerBlock + kHeaderRowsPerBlock) * block + 2;
}

void SetUpGrid(ResultGrid& grid, const GroupTable& table, int rows) {
    ShapeGrid(grid, {.columns = kColumns,
                     .rows = rows,
                     .visibleColumns = 33,
                     .visibleRows = 53,
                     .scrollBars = ScrollBars::Both,
                     .rowHeight = 9,
                     .columnWidth = 2});
    if (table.tallTitleRows) {
        grid.SetRowHeight(1, 15);
        grid.SetRowHeight(2, 12);
    }
    grid.SetColumnWidth(1, 3);
    grid.SetColumnWidth(kColumns, 3);

    if (rows >= 3) {
        grid.Block(1, 3, kColumns, rows);
        grid.SetCellBorder(border::kAll);
    }
    grid.Block(2, 1, kLastNumberColumn, 1);
    grid.SetCellBorder(border::kOutline);

    WriteOverflowTitle(grid, 2, 1, table.title);
    grid.SetBackColor(kPaleRed);

    for (int column : {1, kColumns}) {
        PaintBlock(grid, column, 1, column, rows, kRed, kPaleYellow);
    }

    // Every second group, from the second on, is shaded down to the last row.
    if (rows >= 2) {
        for (std::size_t g = 1; g < table.groups.size(); g += 2) {
            const NumberGroup& group = table.groups[g];
            grid.Block(ColumnOf(group.first), 2, ColumnOf(group.last), rows);
            grid.SetBackColor(kPaleCyan);
        }
    }

    grid.ActivateCell(0, 0);
}

void WriteBlockHeader(ResultGrid& grid, const GroupTable& table, int row) {
    // Each group clears the column it shares with the group before it, so every group ends up
    // framed on its own columns.
    for (std::size_t g = 0; g < table.groups.size(); ++g) {
        const int lastColumn =
            g + 1 < table.groups.size() ? ColumnOf(table.groups[g + 1].first) : kLastNumberColumn;
        FrameAsOneCell(grid, ColumnOf(table.groups[g].first), row, lastColumn, row);
    }

    for (const NumberGroup& group : table.groups) {
        WriteOverflowTitle(grid, ColumnOf(group.first), row, group.header);
    }

    WriteNumberTitleRow(grid, row + 1);
}

void CountByGroup(const GroupTable& table, std::vector<int>& counts, int number) {
    const int group = GroupOf(table, number);
    if (group >= 0) {
        ++counts[static_cast<std::size_t>(group)];
    }
}

void ShadeEmptyGroups(ResultGrid& grid, const GroupTable& table, const std::vector<int>& counts,
                      int firstColumn, int row) {
    for (std::size_t g = 0; g < table.groups.size(); ++g) {
        if (counts[g] == 0) {
            const NumberGroup& group = table.groups[g];
            grid.Block(firstColumn + group.first - 1, row, firstColumn + group.last - 1, row);
            grid.SetBackColor(kMissedGroupColour);
        }
    }
}

void FillDrawRows(ResultGrid& grid, const GroupTable& table, const DrawHistory& history) {
    int r = kFirstDrawRow;
    int offset = 0;
    std::vector<int> counts(table.groups.size());
    history.ForEachValidDraw([&](const Draw& draw) {
        std::fill(counts.begin(), counts.end(), 0);
        if (r - kFirstDrawRow != 0 && (r - kFirstDrawRow) % kDrawsPerBlock == 0) {
            offset += kHeaderRowsPerBlock;
        }
        const int row = r + offset;
        grid.SetCellText(1, row, draw.drawNumber);
        grid.SetCellText(kColumns, row, draw.drawNumber);
        for (auto number : draw.numbers) {
            grid.SetCellText(ColumnOf(number), row, kMark);
        }
        for (auto number : draw.numbers) {
            CountByGroup(table, counts, number);
        }
        ShadeEmptyGroups(grid, table, counts, 2, row);
        for (int i = 0; i < Draw::kFieldCount; ++i) {
            grid.Cell(ColumnOf(draw.numbers[static_cast<std::size_t>(i)]), row);
            grid.SetForeColor(i == Draw::kBonusIndex ? kBonusNumberMarkColour
                                                     : kMainNumberMarkColour);
        }
        ++r;
    });
}

void RunAnalysis(const GroupTable& table, const DrawHistory& history, ResultGrid& grid) {
    const int lastDrawNumber = history.LastDrawNumber();
    const int blocks = BlockCount(lastDrawNumber);
    SetUpGrid(grid, table, lastDrawNumber + kHeaderRowsPerBlock * blocks + 1);
    for (int k = 0; k < blocks; ++k) {
        WriteBlockHeader(grid, table, BlockHeaderRow(k));
    }
    FillDrawRows(grid, table, history);
}

Analysis GroupDataAnalysis(GroupTable table) {
    Analysis analysis;
    analysis.name = table.name;
    analysis.caption = table.caption;
    analysis.summary = table.summary;
    analysis.fillGrid = [table = std::move(table)](const DrawHistory& history, ResultGrid& grid) {
        RunAnalysis(table, history, grid);
    };
    return analysis;
}

// Chart title of the six- and ten-group windows (106 characters).
std::string TitleA() {
    const std::string half = Join({Blanks(28), WideBlanks(2), Blanks(12), WideBlanks(2), Blanks(1),
                                   WideBlanks(2), Blanks(2)});
    return Join({half, WideBlanks(1), "数", WideBlanks(2), Blanks(1), "字", half, WideBlanks(2)});
}

// Chart title of the seven-group window (107 characters).
std::string TitleB() {
    return Join({Blanks(28), WideBlanks(2), Blanks(12), WideBlanks(2), Blanks(3), WideBlanks(1),
                 "数", WideBlanks(2), Blanks(1), "字", Blanks(7), WideBlanks(2), Blanks(21),
                 WideBlanks(2), Blanks(12), WideBlanks(6), Blanks(3), WideBlanks(1)});
}

}  // namespace

Analysis GroupData6Analysis() {
    const auto plain = [](const char* letter) { return Join({Blanks(9), letter, Blanks(14)}); };
    return GroupDataAnalysis({
        .name = "分割6データ分析",
        .caption = "6分割データ分析",
        .summary = "過去の当選番号の６グループに分類して分析します",
        .tallTitleRows = true,
        .title = TitleA(),
        .groups = {{1, 5, plain("Ａ")},
                   {6, 10, plain("Ｂ")},
                   {11, 15, plain("Ｃ")},
                   {16, 20, plain("Ｄ")},
                   {21, 25, plain("Ｅ")},
                   {26, 31, Join({Blanks(2), WideBlanks(1), Blanks(7), "Ｆ", Blanks(7)})}},
    });
}

Analysis GroupData7Analysis() {
    const auto plain = [](const char* letter) { return Join({Blanks(7), letter, Blanks(12)}); };
    return GroupDataAnalysis({
        .name = "分割7データ分析",
        .caption = "7分割データ分析",
        .summary = "過去の当選番号の７グループに分類して分析します",
        .tallTitleRows = false,
        .title = TitleB(),
        .groups = {{1, 4, plain("Ａ")},
                   {5, 8, plain("Ｂ")},
                   {9, 12, plain("Ｃ")},
                   {13, 16, plain("Ｄ")},
                   {17, 20, plain("Ｅ")},
                   {21, 24, plain("Ｆ")},
                   {25, 31, Join({Blanks(13), "Ｇ", Blanks(12)})}},
    });
}

Analysis GroupData10Analysis() {
    // Three blank patterns after the letter; every text is eight characters.
    const auto first = [](const char* letter) {
        return Join({Blanks(1), WideBlanks(2), letter, Blanks(1), WideBlanks(2), Blanks(1)});
    };
    const auto second = [](const char* letter) {
        return Join({Blanks(1), WideBlanks(2), letter, Blanks(2), WideBlanks(2)});
    };
    const auto third = [](const char* letter) {
        return Join({Blanks(1), WideBlanks(2), letter, WideBlanks(2), Blanks(2)});
    };
    return GroupDataAnalysis({
        .name = "分割10データ分析",
        .caption = "10分割データ分析",
        .summary = "過去の当選番号の１０グループに分類して分析します",
        .tallTitleRows = false,
        .title = TitleA(),
        .groups = {{1, 3, first("Ａ")},
                   {4, 6, second("Ｂ")},
                   {7, 9, third("Ｃ")},
                   {10, 12, second("Ｄ")},
                   {13, 15, first("Ｅ")},
                   {16, 18, first("Ｆ")},
                   {19, 21, third("Ｇ")},
                   {22, 24, second("Ｈ")},
                   {25, 27, third("Ｉ")},
                   {28, 31, Join({Blanks(1), WideBlanks(3), "Ｊ", WideBlanks(1), Blanks(2)})}},
    });
}

}  // namespace pirumo
