#include "history/entry/entrygrid.h"

#include <array>

#include "history/drawfields.h"
#include "history/entry/entrytext.h"

namespace pirumo {

namespace {

constexpr Rgb kRed = MakeRgb(255, 0, 0);
constexpr Rgb kBlue = MakeRgb(0, 0, 255);
constexpr Rgb kPaleYellow = MakeRgb(255, 255, 200);
constexpr Rgb kPaleCyan = MakeRgb(197, 255, 255);

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

}  // namespace pirumo
