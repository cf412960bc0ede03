#pragma once

#include <string_view>
#include <vector>

#include "analyses/analysiswindowspec.h"

namespace pirumo {

// Every analysis window, in menu order.
const std::vector<AnalysisWindowSpec>& AnalysisWindows();

// The window of that name, or nullptr.
const AnalysisWindowSpec* FindAnalysisWindow(std::string_view name);

}  // namespace pirumo
