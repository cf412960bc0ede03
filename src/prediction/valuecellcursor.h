#pragma once

#include <string_view>

#include "grid/resultgrid.h"

namespace pirumo {

// Places texts into a prediction grid's value cells in reading order, five per row: columns 2..6
// from row 2 on, over `rows` rows.
class ValueCellCursor {
public:
    static constexpr int kPerRow = 5;

    explicit ValueCellCursor(int rows) : mRows(rows) {}

    int Count() const { return mRow * kPerRow + mColumn; }
    bool Full() const { return mRow >= mRows; }

    // Writes text at the next value cell; does nothing once the rows are full.
    void Place(ResultGrid& grid, std::string_view text);

private:
    int mRows;
    int mColumn = 0;
    int mRow = 0;
};

}  // namespace pirumo
