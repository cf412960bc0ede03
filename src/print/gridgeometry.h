#pragma once

#include <vector>

#include "grid/resultgrid.h"

namespace pirumo {

// Where the cells of a grid lie on paper, in page units, before any scaling: a column is its width
// in characters of the grid font's "0" plus the window's padding, a row its height in points.
// Columns 1..ColumnCount and rows 1..RowCount; the built-in headers are not printed.
class GridGeometry {
public:
    explicit GridGeometry(const ResultGrid& grid);

    double ColumnLeft(int column) const { return mLefts[static_cast<std::size_t>(column)]; }
    double ColumnWidth(int column) const {
        return mLefts[static_cast<std::size_t>(column) + 1] - ColumnLeft(column);
    }
    double RowHeight(int row) const { return mHeights[static_cast<std::size_t>(row)]; }
    double Width() const { return mLefts.back() - mLefts[1]; }

private:
    std::vector<double> mLefts;    // index 1..columns + 1; [columns + 1] is the right edge
    std::vector<double> mHeights;  // index 1..rows
};

}  // namespace pirumo
