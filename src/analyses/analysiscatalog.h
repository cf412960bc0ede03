#pragma once

#include <string_view>
#include <vector>

#include "analyses/analysiswindowdescription.h"

namespace pirumo {

// Every analysis window, in menu order.
const std::vector<AnalysisWindowDescription>& AnalysisWindows();

// The window of that name, or nullptr.
const AnalysisWindowDescription* FindAnalysisWindow(std::string_view name);

}  // namespace pirumo
