#pragma once

#include <functional>
#include <string>
#include <utility>

#include "grid/resultgrid.h"
#include "history/drawhistory.h"

namespace pirumo {

// One analysis as the menu, the command line, the printout and the tests know it: its names, the
// description shown above its grid, and how the grid is made from a history. How its window is
// laid out belongs to the window.
struct Analysis {
    std::string name;     // as the menu opens it and `pirumo-cli show` takes it
    std::string caption;  // window caption and printed heading
    std::string summary;  // description above the grid
    std::function<void(const DrawHistory&, ResultGrid&)> fillGrid;
};

// The analysis whose grid is `fill(analyse(history), grid)`: every analysis computes its result
// first and formats it second.
template <typename Analyse, typename Fill>
Analysis MakeAnalysis(std::string name, std::string caption, std::string summary, Analyse analyse,
                      Fill fill) {
    return {std::move(name), std::move(caption), std::move(summary),
            [analyse, fill](const DrawHistory& history, ResultGrid& grid) {
                fill(analyse(history), grid);
            }};
}

}  // namespace pirumo
