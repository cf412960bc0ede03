#pragma once

#include <optional>
#include <string_view>

#include "analyses/combinationpattern.h"
#include "grid/resultgrid.h"

namespace pirumo {

// The even/odd and low/high windows share one grid: a header row, then a row per valid draw
// with its numbers, the first-class count in column 8, the second-class count in column 9 and
// the pattern letter in its colour. This says what sets the two grids apart.
struct CombinationPatternLook {
    std::string_view mainHeader;   // cell (3, 1), over the five main-number columns
    std::string_view firstTitle;   // cell (8, 1)
    std::string_view secondTitle;  // cell (9, 1)
    // Back colour of a number cell of the second class; nullopt leaves the cell as it is.
    std::optional<Rgb> secondClassBack;
    bool marksBonus = false;  // the bonus cell is marked like a main number
};

void FillCombinationPatternGrid(const CombinationPatternResult& result,
                                const CombinationPatternLook& look, ResultGrid& grid);

}  // namespace pirumo
