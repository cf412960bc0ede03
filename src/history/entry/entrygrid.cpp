#include "history/entry/entrygrid.h"

#include <algorithm>
#include <array>

#include "history/drawfields.h"
#include "history/entry/entrytext.h"

namespace pirumo {

namespace {

constexpr Rgb kRed = MakeRgb(255, 0, 0);
constexpr Rgb kBlue = MakeRgb(0, 0, 255);
constexpr Rgb kPaleYellow = MakeRgb(255, 255, 200);
constexpr Rgb kPaleCyan = MakeRgb(197, 255, 255);

bool IsEmptyCell(const ResultGrid& grid, int column, int row) {
    return ParseEntryText(grid.CellText(column, row)).kind == EntryText::Kind::kEmpty;
}

}  // namespace

const char* entry::NumberColumnName(int column) {
    return kNumberFieldNames[static_cast<std::size_t>(FieldOf(column))];
}

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
    grid.SetCellText(entry::kDrawColumn, 0, "回数");
    for (int c = entry::kFirstNumberColumn; c <= entry::kBonusColumn; ++c) {
        grid.SetCellText(c, 0, kNumberFieldTitles[static_cast<std::size_t>(entry::FieldOf(c))]);
    }
    grid.SetCellText(entry::kDateColumn, 0, "開催日");
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
        std::array<std::int16_t, Draw::kFieldCount> numbers{};
        for (int c = entry::kFirstNumberColumn; c <= entry::kBonusColumn; ++c) {
            const EntryText value = ParseEntryText(grid.CellText(c, r));
            numbers[static_cast<std::size_t>(entry::FieldOf(c))] =
                value.kind == EntryText::Kind::kWrong ? Draw::kOtherValue
                                                      : static_cast<std::int16_t>(value.number);
        }
        if (const int wrong = FirstWrongNumberField(numbers); wrong >= 0) {
            return EntryCell{entry::kFirstNumberColumn + wrong, r};
        }
    }
    return std::nullopt;
}

int ColumnHoldingNumber(const ResultGrid& grid, int row, int number, int column) {
    for (int c = entry::kFirstNumberColumn; c <= entry::kBonusColumn; ++c) {
        const EntryText value = ParseEntryText(grid.CellText(c, row));
        if (c != column && value.kind == EntryText::Kind::kNumber && value.number == number) {
            return c;
        }
    }
    return 0;
}

std::optional<EntryCell> FindIncompleteDraw(const ResultGrid& grid, int fromRow) {
    for (int r = std::max(fromRow, 1); r <= grid.RowCount(); ++r) {
        for (int c = entry::kFirstNumberColumn; c <= entry::kBonusColumn; ++c) {
            if (IsEmptyCell(grid, c, r)) {
                return EntryCell{c, r};
            }
        }
    }
    return std::nullopt;
}

std::vector<int> EmptyNumberColumns(const ResultGrid& grid, int row) {
    std::vector<int> columns;
    for (int c = entry::kFirstNumberColumn; c <= entry::kBonusColumn; ++c) {
        if (IsEmptyCell(grid, c, row)) {
            columns.push_back(c);
        }
    }
    return columns;
}

}  // namespace pirumo
