#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "analyses/chance/chancereport.h"
#include "grid/resultgrid.h"
#include "history/drawhistory.h"

namespace pirumo {

// One order the user may list an analysis's rows in, and how the grid is made in that order.
struct AnalysisOrder {
    std::string caption;
    std::function<void(const DrawHistory&, ResultGrid&)> fillGrid;
};

// One analysis as the menu, the command line, the printout and the tests know it: its names, the
// description shown above its grid, how the grid is made from a history and how its figures
// compare with a fair draw. How its window is laid out belongs to the window.
struct Analysis {
    std::string name;     // as the menu opens it and `pirumo-cli show` takes it
    std::string caption;  // window caption and printed heading
    std::string summary;  // description above the grid
    std::function<void(const DrawHistory&, ResultGrid&)> fillGrid;
    // The orders the window offers, the first being fillGrid's; empty: the grid has one order.
    std::vector<AnalysisOrder> orders = {};
    // Empty for an analysis that has no chance comparison.
    std::function<ChanceReport(const DrawHistory&)> chance = {};
};

// The analysis whose grid is `fill(analyse(history), grid)`: every analysis computes its result
// first and formats it second.
template <typename Analyse, typename Fill>
Analysis MakeAnalysis(std::string name, std::string caption, std::string summary, Analyse analyse,
                      Fill fill) {
    return {std::move(name),
            std::move(caption),
            std::move(summary),
            [analyse, fill](const DrawHistory& history, ResultGrid& grid) {
                fill(analyse(history), grid);
            },
            {}};
}

// As above, with `compare(analyse(history), history.ValidDrawCount())` beside the grid.
template <typename Analyse, typename Fill, typename Compare>
Analysis MakeAnalysis(std::string name, std::string caption, std::string summary, Analyse analyse,
                      Fill fill, Compare compare) {
    Analysis analysis =
        MakeAnalysis(std::move(name), std::move(caption), std::move(summary), analyse, fill);
    analysis.chance = [analyse, compare](const DrawHistory& history) {
        return compare(analyse(history), history.ValidDrawCount());
    };
    return analysis;
}

// The order whose grid is `fill(analyse(history), grid)`.
template <typename Analyse, typename Fill>
AnalysisOrder MakeAnalysisOrder(std::string caption, Analyse analyse, Fill fill) {
    return {std::move(caption), [analyse, fill](const DrawHistory& history, ResultGrid& grid) {
                fill(analyse(history), grid);
            }};
}

}  // namespace pirumo
