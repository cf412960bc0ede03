#pragma once

#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "analyses/analysiswindowspec.h"
#include "testhistory.h"

namespace pirumo::test {

// The grid that a window's analysis leaves for this history.
inline ResultGrid RunWindowAnalysis(const AnalysisWindowSpec& window, const DrawHistory& history) {
    ResultGrid grid;
    window.runAnalysis(history, grid);
    return grid;
}

inline ResultGrid RunWindowAnalysis(const AnalysisWindowSpec& window,
                                    const std::vector<Draw>& draws) {
    return RunWindowAnalysis(window, DrawHistory(draws));
}

// The published history read straight from its CSV (回数,日付,five numbers,bonus), or nothing
// when the file is absent.
inline std::optional<DrawHistory> LoadRealHistory() {
    const auto path = RealHistoryCsv();
    if (path.empty()) {
        return std::nullopt;
    }
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);  // header
    std::vector<Draw> draws;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        std::stringstream fields(line);
        std::string field;
        Draw d;
        std::getline(fields, field, ',');
        d.drawNumber = std::stoi(field);
        std::getline(fields, d.date, ',');
        for (auto& n : d.numbers) {
            std::getline(fields, field, ',');
            n = static_cast<std::int16_t>(field.empty() ? 0 : std::stoi(field));
        }
        draws.push_back(d);
    }
    return DrawHistory(std::move(draws));
}

}  // namespace pirumo::test
