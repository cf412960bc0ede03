#pragma once

#include <optional>
#include <string_view>

#include "analyses/positionvalues.h"
#include "grid/resultgrid.h"

namespace pirumo {

// The grid that the interval and gap windows share: 13 columns, column 1 the draw number and,
// for position k (1..5 the main numbers in field order, 6 the bonus number), column 2k the number
// and column 2k + 1 its value. Two header rows on top, then a line per history row (empty for an
// invalid row), and the header repeated mirrored (names row first) in the two rows after the
// last draw.

// What the two windows' headers say differently.
struct PairedHeaderTexts {
    std::string_view mainBand;    // band text over the main numbers (column 6)
    std::string_view valueTitle;  // names-row title of every value column
};

// Writes one value cell; `value` is empty where the analysis has none.
using PairedValueWriter = void (*)(ResultGrid& grid, std::optional<int> value, int column, int row);

void FillPairedColumnGrid(const PositionValueResult& result, const PairedHeaderTexts& texts,
                          PairedValueWriter writeValue, ResultGrid& grid);

}  // namespace pirumo
