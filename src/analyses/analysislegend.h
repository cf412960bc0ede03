#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "grid/resultgrid.h"

namespace pirumo {

// What one colour of an analysis grid means: a ● mark in the colour, or cells of that background
// (showing `letter`, where the cells show one).
struct LegendMark {
    Rgb colour = 0;
    bool ball = false;
    std::string letter;
    std::string meaning;
};

// Every colour code of one analysis, with a caption that heads them; the window shows it beside
// the grid and the printout under the description.
struct AnalysisLegend {
    std::string caption;
    std::vector<LegendMark> marks;
};

// The legend of the analysis of that name; empty for one whose colours need none.
const AnalysisLegend& LegendOf(std::string_view analysisName);

}  // namespace pirumo
