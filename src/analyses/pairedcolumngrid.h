#pragma once

#include <string_view>

#include "grid/resultgrid.h"

namespace pirumo {

// The grid that the interval and gap windows share: 13 columns, column 1 the draw number and,
// for position k (1..5 the main numbers in field order, 6 the bonus number), column 2k the number
// and column 2k + 1 a value about it. Two header rows on top, data from row 3, and the header
// repeated mirrored (names row first) in the two rows after the last draw.
constexpr int kPairedColumnCount = 13;
constexpr int kPairedFirstDataRow = 3;

// Column of the number at position k (1..6), and of its value.
constexpr int PairedNumberColumn(int k) {
    return 2 * k;
}
constexpr int PairedValueColumn(int k) {
    return 2 * k + 1;
}

// First row of the mirrored footer header.
constexpr int PairedFooterRow(int lastDrawNumber) {
    return lastDrawNumber + 3;
}

// Size, widths, heights, colours and borders of the whole grid.
void SetUpPairedColumnGrid(ResultGrid& grid, int lastDrawNumber);

// What the two windows' headers say differently.
struct PairedHeaderTexts {
    std::string_view mainBand;    // band text over the main numbers (column 6)
    std::string_view valueTitle;  // names-row title of every value column
};

// The band row and the names row from `firstRow`; band row first unless mirrored.
void WritePairedColumnHeaders(ResultGrid& grid, int firstRow, bool mirrored,
                              const PairedHeaderTexts& texts);

}  // namespace pirumo
