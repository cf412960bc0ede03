#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "grid/resultgrid.h"

namespace pirumo {

// A control of a window's legend, placed in twips inside the window's client area.
struct LegendControl {
    enum class Kind { Label, Ball, Swatch };
    Kind kind = Kind::Label;
    std::string name;  // Qt object name
    std::string text;  // Label: its caption; Swatch: a letter on the colour, as in the cells
    Rgb colour = 0;    // Ball: the ball's colour; Swatch: back colour
    int left = -1;     // twips; -1 = beside the previous control
    int top = -1;
    int width = -1;
    int height = -1;
};

// How one analysis window is laid out and how it behaves around its grid.
struct AnalysisWindowLayout {
    // The description's place and width in twips where the legend fixes them; -1 = frame default.
    int summaryLeft = -1;
    int summaryTop = -1;
    int summaryWidth = -1;
    int widthTwips = 0;
    int heightTwips = 0;
    // The title rows above a grid that lists the draws oldest first: they stay in view while the
    // list scrolls, and the list opens at the newest draw. 0: the grid lists no draws.
    int titleRows = 0;
    bool hasPrintButton = true;
    bool allowsManualEntry = false;    // true: manual entry stays possible while the window is open
    bool yieldsAfterAnalysis = false;  // pending events processed after the analysis, not before
    std::vector<LegendControl> legend{};
};

// The layout of the analysis window of that name; a window without one of its own (a test's)
// gets a plain frame.
const AnalysisWindowLayout& AnalysisWindowLayoutOf(std::string_view name);

}  // namespace pirumo
