#pragma once

#include <string_view>
#include <vector>

#include "analyses/analysis.h"

namespace pirumo {

// Every analysis window, in menu order.
const std::vector<Analysis>& Analyses();

// The window of that name, or nullptr.
const Analysis* FindAnalysis(std::string_view name);

// The caption of the menu item that opens the named window (「連番・飛び石分析」 for
// 連番飛び石分析), or nullptr for a name that is not an analysis window.
const char* AnalysisMenuCaption(std::string_view name);

// The window of that name or of that menu caption, or nullptr: what a user types after reading
// either the window list or the menu.
const Analysis* FindAnalysisByNameOrCaption(std::string_view text);

}  // namespace pirumo
