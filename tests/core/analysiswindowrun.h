#pragma once

#include <fstream>
#include <optional>
#include <sstream>
#include <vector>

#include "analyses/analysiswindowdescription.h"
#include "history/historycsv.h"
#include "testhistory.h"

namespace pirumo::test {

// The grid that a window's analysis leaves for this history.
inline ResultGrid RunWindowAnalysis(const AnalysisWindowDescription& window,
                                    const DrawHistory& history) {
    ResultGrid grid;
    window.runAnalysis(history, grid);
    return grid;
}

inline ResultGrid RunWindowAnalysis(const AnalysisWindowDescription& window,
                                    const std::vector<Draw>& draws) {
    return RunWindowAnalysis(window, DrawHistory(draws));
}

// The published history through the CSV import, or nothing when the file is absent.
inline std::optional<DrawHistory> LoadRealHistory() {
    const auto path = RealHistoryCsv();
    if (path.empty()) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return DrawHistory(ParseCsvHistory(bytes.str()));
}

}  // namespace pirumo::test
