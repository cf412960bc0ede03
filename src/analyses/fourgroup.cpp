#include "analyses/fourgroup.h"

#include <array>

#include "analyses/analysiscolours.h"
#include "analyses/gridsetup.h"

namespace pirumo {

namespace {

constexpr Rgb kPaleBlue = MakeRgb(200, 200, 255);
constexpr int kColumns = 11;
constexpr int kDrawsPerBlock = 50;

// Group colours, groups 1..4 (01-09, 10-19, 20-29, 30-31).
constexpr std::array<Rgb, 4> kGroupColours{kWhite, kPaleCyan, kPaleGreen, kPaleYellow};

using GroupCounts = std::array<int, 4>;

int GroupOf(int number) {
    if (number >= 1 && number <= 9) {
        return 0;
    }
    if (number >= 10 && number <= 19) {
        return 1;
    }
    if (number >= 20 && number <= 29) {
        return 2;
    }
    return 3;
}

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
        for (int group = 1; group < 4; ++group) {
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

void CountByGroup(GroupCounts& counts, int number) {
    ++counts[static_cast<std::size_t>(GroupOf(number))];
}

void ColourByGroup(ResultGrid& grid, int number, int column, int row) {
    grid.Cell(column, row);
    grid.SetBackColor(kGroupColours[static_cast<std::size_t>(GroupOf(number))]);
}

void FillDrawRows(ResultGrid& grid, const DrawHistory& history) {
    int r = 2;
    int offset = 0;
    history.ForEachValidDraw([&](const Draw& draw) {
        GroupCounts counts{};
        if (r - 2 != 0 && (r - 2) % kDrawsPerBlock == 0) {
            ++offset;  // pass the next block's header row
        }
        const int row = r + offset;
        grid.SetCellText(1, row, draw.drawNumber);
        for (int i = 0; i < Draw::kFieldCount; ++i) {
            const int number = draw.numbers[static_cast<std::size_t>(i)];
            grid.SetCellText(i + 2, row, number);
            ColourByGroup(grid, number, i + 2, row);
            CountByGroup(counts, number);
        }
        for (int group = 0; group < 4; ++group) {
            grid.SetCellText(8 + group, row, counts[static_cast<std::size_t>(group)]);
        }
        ++r;
    });
}

}  // namespace

Analysis FourGroupAnalysis() {
    Analysis analysis;
    analysis.name = "分割4傾向分析";
    analysis.caption = "4分割傾向分析";
    analysis.summary = "過去の当選番号の４グループに分類して分析します";
    analysis.fillGrid = [](const DrawHistory& history, ResultGrid& grid) {
        const int lastDrawNumber = history.LastDrawNumber();
        const int blocks = BlockCount(lastDrawNumber);
        SetUpGrid(grid, lastDrawNumber, blocks);
        for (int k = 0; k < blocks; ++k) {
            WriteBlockHeader(grid, (kDrawsPerBlock + 1) * k + 1);
        }
        WriteBlockHeader(grid, lastDrawNumber + blocks + 1);
        FillDrawRows(grid, history);
    };
    return analysis;
}

}  // namespace pirumo
