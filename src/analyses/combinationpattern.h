#pragma once

#include <optional>
#include <string>

#include "history/drawhistory.h"
#include "grid/resultgrid.h"

namespace pirumo {

// The even/odd and low/high windows share one grid, one fill order and the pattern letters "A"
// to "F" with their colours; this says what sets each window apart. Every main number falls
// into one of two classes; the first class is counted in column 8, the second in column 9.
struct CombinationPattern {
    std::string mainHeader;   // cell (3, 1), over the five main-number columns
    std::string firstTitle;   // cell (8, 1)
    std::string secondTitle;  // cell (9, 1)
    bool (*inFirstClass)(int number) = nullptr;
    // Back colour of a number cell of the second class; nullopt leaves the cell as it is.
    std::optional<Rgb> secondClassBack;
    bool marksBonus = false;         // the bonus cell is marked like a main number
    bool patternFromSecond = false;  // pattern index = second-class count, else first-class
};

// RunAnalysis of both windows: SetUpGrid, WriteHeaderRow, FillDrawRows.
void RunCombinationPatternAnalysis(const CombinationPattern& pattern, const DrawHistory& history,
                                   ResultGrid& grid);

}  // namespace pirumo
