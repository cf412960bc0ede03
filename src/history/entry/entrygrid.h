#pragma once

#include <optional>
#include <vector>

#include "grid/resultgrid.h"

namespace pirumo {

// The entry window's grid of draws: column 1 the draw number, columns 2..6 the five main
// numbers, column 7 the bonus number, column 8 the draw date; one row per draw.
namespace entry {
constexpr int kDrawColumn = 1;
constexpr int kFirstNumberColumn = 2;
constexpr int kBonusColumn = 7;
constexpr int kDateColumn = 8;
constexpr int kColumns = 8;

// Field index 0..5 (第1数字..ボーナス数字) of a number column.
constexpr int FieldOf(int column) {
    return column - kFirstNumberColumn;
}
constexpr bool IsNumberColumn(int column) {
    return column >= kFirstNumberColumn && column <= kBonusColumn;
}
// The name of a number column in messages: 第1数字..第5数字, ボーナス数字.
const char* NumberColumnName(int column);
}  // namespace entry

// Sets the grid up for `rows` draws: sizes, headers with the field names, borders, colours and
// which cells can be typed into. Texts of the data rows are left to the caller.
void SetUpEntryGrid(ResultGrid& grid, int rows);

// Gives rows first..last the look and cell types of entry rows (for rows added later).
void StyleEntryRows(ResultGrid& grid, int first, int last);

struct EntryCell {
    int column = 0;
    int row = 0;
    friend bool operator==(const EntryCell&, const EntryCell&) = default;
};

// The check before the window closes: the first wrong number cell in row order, then column
// order. A cell is wrong when it is neither empty nor a whole number 1..31, or when it repeats a
// number of an earlier column of the same draw (the bonus included).
std::optional<EntryCell> FindWrongEntryCell(const ResultGrid& grid);

// The other number cell of `row` (the bonus included) that holds `number`, or 0.
int ColumnHoldingNumber(const ResultGrid& grid, int row, int number, int column);

// The first empty number cell of the first draw from `fromRow` on that lacks a number: the
// analyses leave such a draw out.
std::optional<EntryCell> FindIncompleteDraw(const ResultGrid& grid, int fromRow = 1);

// The number columns of `row` that are empty, in column order.
std::vector<int> EmptyNumberColumns(const ResultGrid& grid, int row);

}  // namespace pirumo
