#include "analyses/groupdatagrid.h"

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

// What the three grids do not share.
struct GroupGridLook {
    bool tallTitleRows = false;  // rows 1 and 2 taller than the rest
    std::string title;           // chart title in row 1
    // Per group of the result, written at the group's first column of a group-title row.
    std::vector<std::string> groupHeaders;
};

int ColumnOf(int number) {
    return number + 1;
}

int BlockCount(int lastDrawNumber) {
    return (lastDrawNumber + kDrawsPerBlock - 1) / kDrawsPerBlock;
}

int BlockHeaderRow(int block) {
    return (kDrawsPerBlock + kHeaderRowsPerBlock) * block + 2;
}

void SetUpGrid(ResultGrid& grid, const GroupGridLook& look, const std::vector<NumberRange>& groups,
               int rows) {
    ShapeGrid(grid, {.columns = kColumns,
                     .rows = rows,
                     .visibleColumns = 33,
                     .visibleRows = 53,
                     .scrollBars = ScrollBars::Both,
                     .rowHeight = 9,
                     .columnWidth = 2});
    if (look.tallTitleRows) {
        grid.SetRowHeight(1, 15);
        grid.SetRowHeight(2, 12);
    } else {
        grid.SetRowHeight(1, 11);  // room above the title's ideographs
    }
    grid.SetColumnWidth(1, 3);
    grid.SetColumnWidth(kColumns, 3);

    if (rows >= 3) {
        grid.Block(1, 3, kColumns, rows);
        grid.SetCellBorder(border::kAll);
    }
    grid.Block(2, 1, kLastNumberColumn, 1);
    grid.SetCellBorder(border::kOutline);

    WriteOverflowTitle(grid, 2, 1, look.title);
    grid.SetBackColor(kPaleRed);

    for (int column : {1, kColumns}) {
        PaintBlock(grid, column, 1, column, rows, kRed, kPaleYellow);
    }

    // Every second group, from the second on, is shaded down to the last row.
    if (rows >= 2) {
        for (std::size_t g = 1; g < groups.size(); g += 2) {
            grid.Block(ColumnOf(groups[g].first), 2, ColumnOf(groups[g].last), rows);
            grid.SetBackColor(kPaleCyan);
        }
    }

    grid.ActivateCell(0, 0);
}

void WriteBlockHeader(ResultGrid& grid, const GroupGridLook& look,
                      const std::vector<NumberRange>& groups, int row) {
    // Each group clears the column it shares with the group before it, so every group ends up
    // framed on its own columns.
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const int lastColumn =
            g + 1 < groups.size() ? ColumnOf(groups[g + 1].first) : kLastNumberColumn;
        FrameAsOneCell(grid, ColumnOf(groups[g].first), row, lastColumn, row);
    }

    for (std::size_t g = 0; g < std::min(groups.size(), look.groupHeaders.size()); ++g) {
        WriteOverflowTitle(grid, ColumnOf(groups[g].first), row, look.groupHeaders[g]);
    }

    WriteNumberTitleRow(grid, row + 1);
}

void ShadeMissedGroups(ResultGrid& grid, const std::vector<NumberRange>& groups,
                       const GroupDataRow& draw, int row) {
    for (std::size_t g = 0; g < groups.size(); ++g) {
        if (draw.groupCounts[g] == 0) {
            grid.Block(ColumnOf(groups[g].first), row, ColumnOf(groups[g].last), row);
            grid.SetBackColor(kMissedGroupColour);
        }
    }
}

// Valid draws fill the rows in turn, stepping over each block's two header rows.
void WriteDrawRows(ResultGrid& grid, const GroupDataResult& result) {
    int row = kFirstDrawRow;
    for (std::size_t index = 0; index < result.draws.size(); ++index) {
        const GroupDataRow& draw = result.draws[index];
        if (index != 0 && index % kDrawsPerBlock == 0) {
            row += kHeaderRowsPerBlock;
        }
        grid.SetCellText(1, row, draw.drawNumber);
        grid.SetCellText(kColumns, row, draw.drawNumber);
        for (auto number : draw.numbers) {
            grid.SetCellText(ColumnOf(number), row, kMark);
        }
        ShadeMissedGroups(grid, result.groups, draw, row);
        for (int i = 0; i < Draw::kFieldCount; ++i) {
            grid.Cell(ColumnOf(draw.numbers[static_cast<std::size_t>(i)]), row);
            grid.SetForeColor(i == Draw::kBonusIndex ? kBonusNumberMarkColour
                                                     : kMainNumberMarkColour);
        }
        ++row;
    }
}

void FillGroupDataGrid(const GroupDataResult& result, const GroupGridLook& look, ResultGrid& grid) {
    const int blocks = BlockCount(result.lastDrawNumber);
    SetUpGrid(grid, look, result.groups, result.lastDrawNumber + kHeaderRowsPerBlock * blocks + 1);
    for (int k = 0; k < blocks; ++k) {
        WriteBlockHeader(grid, look, result.groups, BlockHeaderRow(k));
    }
    WriteDrawRows(grid, result);
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

GroupGridLook SixGroupLook() {
    const auto plain = [](const char* letter) { return Join({Blanks(9), letter, Blanks(14)}); };
    return {
        .tallTitleRows = true,
        .title = TitleA(),
        .groupHeaders = {plain("Ａ"), plain("Ｂ"), plain("Ｃ"), plain("Ｄ"), plain("Ｅ"),
                         Join({Blanks(2), WideBlanks(1), Blanks(7), "Ｆ", Blanks(7)})},
    };
}

GroupGridLook SevenGroupLook() {
    const auto plain = [](const char* letter) { return Join({Blanks(7), letter, Blanks(12)}); };
    return {
        .tallTitleRows = false,
        .title = TitleB(),
        .groupHeaders = {plain("Ａ"), plain("Ｂ"), plain("Ｃ"), plain("Ｄ"), plain("Ｅ"),
                         plain("Ｆ"), Join({Blanks(13), "Ｇ", Blanks(12)})},
    };
}

GroupGridLook TenGroupLook() {
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
    return {
        .tallTitleRows = false,
        .title = TitleA(),
        .groupHeaders = {first("Ａ"), second("Ｂ"), third("Ｃ"), second("Ｄ"), first("Ｅ"),
                         first("Ｆ"), third("Ｇ"), second("Ｈ"), third("Ｉ"),
                         Join({Blanks(1), WideBlanks(3), "Ｊ", WideBlanks(1), Blanks(2)})},
    };
}

}  // namespace

void FillGroupData6Grid(const GroupDataResult& result, ResultGrid& grid) {
    static const GroupGridLook look = SixGroupLook();
    FillGroupDataGrid(result, look, grid);
}

void FillGroupData7Grid(const GroupDataResult& result, ResultGrid& grid) {
    static const GroupGridLook look = SevenGroupLook();
    FillGroupDataGrid(result, look, grid);
}

void FillGroupData10Grid(const GroupDataResult& result, ResultGrid& grid) {
    static const GroupGridLook look = TenGroupLook();
    FillGroupDataGrid(result, look, grid);
}

}  // namespace pirumo
