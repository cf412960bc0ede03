#include "analyses/fourgroupgrid.h"

#include <array>

#include "analyses/analysiscolours.h"
#include "analyses/gridsetup.h"

namespace pirumo {

namespace {

constexpr Rgb kPaleBlue = MakeRgb(200, 200, 255);
constexpr int kColumns = 11;
constexpr int kDrawsPerBlock = 50;

// Group colours, groups 0..3.
constexpr std::array<Rgb, kFourGroupCount> kGroupColours{kWhite, kPaleCyan, kPaleGreen,
                                                         kPaleYellow};

int BlockCount(int lastDrawNumber) {
    return (lastDrawNumber + kDrawsPerBlock - 1) / kDrawsPerBlock;
}

void SetUpGrid(ResultGrid& grid, int lastDrawNumber, int blocks) {
    const int rows = lastDrawNumber + blocks + 1;
    ShapeGrid(grid, {.columns = kColumns, .rows = rows, .visibleColumns = 11, .visibleRows = 51});
    grid.SetRowHeight(1, 20);
    grid.SetColumnWidth(1, 6);

    if (rows >= 2) {
        PaintBlock(grid, 1, 2, 1, rows, kRed, kPaleYellow);
        grid.Block(7, 2, 7, rows);
        grid.SetBackColor(kPaleYellow);
        for (int group = 1; group < kFourGroupCount; ++group) {
            grid.Block(8 + group, 2, 8 + group, rows);
            grid.SetBackColor(kGroupColours[static_cast<std::size_t>(group)]);
        }
    }

    grid.Block(1, 1, kColumns, rows);
    grid.SetCellBorder(border::kAll);
    // Divides the draw columns from the count columns.
    grid.Block(8, 1, 8, rows);
    grid.SetCellBorder(border::kLeft, kRed);

    grid.ActivateCell(0, 0);
}

void WriteBlockHeader(ResultGrid& grid, int row) {
    // The five main-number cells read as one title cell.
    grid.Block(2, row, 6, row);
    grid.SetCellBorder(border::kNone);
    grid.SetCellBorder(border::kBottom, kBlack);

    PaintBlock(grid, 1, row, 7, row, kBlack, kPaleRed);
    PaintBlock(grid, 8, row, 11, row, kBlue, kPaleBlue);

    WriteOverflowTitle(grid, 4, row, "本 数 字");
    grid.SetRowHeight(row, 20);

    grid.SetCellText(1, row, "回数");
    grid.SetCellText(7, row, "ボ数");
    grid.SetCellText(8, row, "01～09");
    grid.SetCellText(9, row, "10～19");
    grid.SetCellText(10, row, "20～29");
    grid.SetCellText(11, row, "30～31");
}

// Many number cells already have their group's colour from the set-up (white, or the bonus
// column's yellow), so only the others are painted.
void ColourByGroup(ResultGrid& grid, int number, int column, int row) {
    const Rgb colour = kGroupColours[static_cast<std::size_t>(FourGroupOf(number))];
    if (grid.StyleAt(column, row).back != colour) {
        grid.Cell(column, row);
        grid.SetBackColor(colour);
    }
}

// Valid draws fill the rows in turn, stepping over each block's header row, so skipped draws
// leave empty rows before the closing header.
void WriteDrawRows(ResultGrid& grid, const FourGroupResult& result) {
    int row = 2;
    for (std::size_t index = 0; index < result.draws.size(); ++index) {
        const FourGroupRow& draw = result.draws[index];
        if (index != 0 && index % kDrawsPerBlock == 0) {
            ++row;
        }
        grid.SetCellText(1, row, draw.drawNumber);
        for (int i = 0; i < Draw::kFieldCount; ++i) {
            const int number = draw.numbers[static_cast<std::size_t>(i)];
            grid.SetCellText(i + 2, row, number);
            ColourByGroup(grid, number, i + 2, row);
        }
        for (int group = 0; group < kFourGroupCount; ++group) {
            grid.SetCellText(8 + group, row, draw.groupCounts[static_cast<std::size_t>(group)]);
        }
        ++row;
    }
}

}  // namespace

void FillFourGroupGrid(const FourGroupResult& result, ResultGrid& grid) {
    const int blocks = BlockCount(result.lastDrawNumber);
    SetUpGrid(grid, result.lastDrawNumber, blocks);
    for (int k = 0; k < blocks; ++k) {
        WriteBlockHeader(grid, (kDrawsPerBlock + 1) * k + 1);
    }
    WriteBlockHeader(grid, result.lastDrawNumber + blocks + 1);
    WriteDrawRows(grid, result);
}

}  // namespace pirumo
