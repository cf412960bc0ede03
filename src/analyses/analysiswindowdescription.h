#pragma once

#include <functional>
#include <string>
#include <vector>

#include "grid/resultgrid.h"
#include "history/drawhistory.h"

namespace pirumo {

// A control of a window's legend, placed in twips inside the window's client area.
struct LegendControl {
    enum class Kind { Label, Ball, Swatch };
    Kind kind = Kind::Label;
    std::string name;  // control name, e.g. "Label2", "Picture1"
    std::string text;  // Label: its caption
    Rgb colour = 0;    // Ball: the ball's colour; Swatch: back colour
    int left = -1;     // twips; -1 = beside the previous control
    int top = -1;
    int width = -1;
    int height = -1;
};

// What differs between the analysis windows; the window frame, the command line and the tests
// all work from this description.
struct AnalysisWindowDescription {
    std::string name;     // window name, as the menu opens it and `pirumo-cli show` takes it
    std::string caption;  // window caption
    std::string summary;  // description above the grid
    // The description's place and width in twips where a window's legend fixes them; -1 = frame
    // default.
    int summaryLeft = -1;
    int summaryTop = -1;
    int summaryWidth = -1;
    int widthTwips = 0;
    int heightTwips = 0;
    bool hasPrintButton = true;        // Command2 "印刷"
    bool allowsManualEntry = false;    // true: manual entry stays possible while the window is open
    bool yieldsAfterAnalysis = false;  // pending events processed after RunAnalysis, not before
    std::vector<LegendControl> legend;
    // RunAnalysis: sets up the grid and fills it from the snapshot.
    std::function<void(const DrawHistory&, ResultGrid&)> runAnalysis;
};

}  // namespace pirumo
