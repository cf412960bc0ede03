#include "history/entry/entrygrid.h"

#include <bitset>

#include "history/entry/entrytext.h"

namespace pirumo {

namespace {

constexpr Rgb kRed = MakeRgb(255, 0, 0);
constexpr Rgb kBlue = MakeRgb(0, 0, 255);
constexpr Rgb kPaleYellow = MakeRgb(255, 255, 200);
constexpr Rgb kPaleCyan = MakeRgb(197, 255, 255);
// The fields' names; the bonus as grid headers shorten it, so that it fits its column.
constexpr const char* kHeaders[entry::kColumns] = {"回数",    "第1数字", "第2数字", "第3数字",
                                                   "第4数字", "第5数字", "ボ数字",  "開催日"};

}  // namespace

void SetUpEntryGrid(ResultGrid& grid, int rows) {
    grid.SetColumnCount(entry::kColumns);
    grid.SetRowCount(rows);
    grid.SetVisibleSize(entry::kColumns, 50);
    // A bound grid shows its fields' names as column headers; the draw column replaces row
    // numbers.
    grid.SetHeadersVisible(true, false);
    grid.SetScrollBars(ScrollBars::Vertical);

    grid.SetRowHeight(ResultGrid::kAll, 10);
    grid.SetColumnWidth(ResultGrid::kAll, 4);
    grid.SetColumnWidth(entry::kDrawColumn, 5);
    for (int c = entry::kFirstNumberColumn; c <= entry::kBonusColumn; ++c) {
        grid.SetColumnWidth(c, 7);
    }
    grid.SetColumnWidth(entry::kDateColumn, 11);
    for (int c = 1; c <= entry::kColumns; ++c) {
        grid.SetCellText(c, 0, kHeaders[c - 1]);
    }
    StyleEntryRows(grid, 1, rows);
}

void StyleEntryRows(ResultGrid& grid, int first, int last) {
    if (first > last) {
        return;
    }
    grid.Block(1, first, entry::kColumns, last);
    grid.SetCellType(CellType::StaticText);
    grid.SetAlignment(HAlign::Center);
    grid.SetCellBorder(border::kAll);

    grid.Block(entry::kDrawColumn, first, entry::kDrawColumn, last);
    grid.SetForeColor(kRed);
    grid.SetBackColor(kPaleYellow);

    grid.Block(entry::kFirstNumberColumn, first, entry::kDateColumn, last);
    grid.SetCellType(CellType::EditText);

    grid.Block(entry::kBonusColumn, first, entry::kBonusColumn, last);
    grid.SetForeColor(kBlue);
    grid.SetBackColor(kPaleCyan);
    grid.SetBlockMode(false);
}

std::optional<EntryCell> FindWrongEntryCell(const ResultGrid& grid) {
    for (int r = 1; r <= grid.RowCount(); ++r) {
        std::bitset<32> seen;
        for (int c = entry::kFirstNumberColumn; c <= entry::kBonusColumn; ++c) {
            const EntryText value = ParseEntryText(grid.CellText(c, r));
            if (value.kind == EntryText::Kind::kEmpty) {
                continue;
            }
            if (value.kind == EntryText::Kind::kWrong || seen.test(value.number)) {
                return EntryCell{c, r};
            }
            seen.set(value.number);
        }
    }
    return std::nullopt;
}

}  // namespace pirumo
