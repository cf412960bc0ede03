#pragma once

#include <string>
#include <vector>

#include "analyses/chance/chancereport.h"

namespace pirumo {

// Classes of whole values for a distribution table: lowest..bounds[0], bounds[0] + 1..bounds[1],
// …, and everything above the last bound. Labelled 「66～70」, 「3」 or 「111以上」 plus `suffix`.
struct ValueClasses {
    int lowest = 0;
    std::vector<int> bounds;  // inclusive upper ends, ascending
    std::string suffix;       // 「回前」 after each label, or nothing
};

// The distribution table of `values` (one per trial; values outside every class are not
// counted) against probability[v] of each value v in a fair draw, over `trials`.
ChanceTable BinnedTable(std::string title, std::string unit, const ValueClasses& classes,
                        const std::vector<double>& probability, const std::vector<int>& values,
                        int trials);

}  // namespace pirumo
