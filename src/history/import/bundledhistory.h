#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "history/draw.h"
#include "history/drawhistory.h"

namespace pirumo {

// The published results shipped with the program (a CSV file in the import format), from which
// every program creates a missing history on first use.
struct BundledHistory {
    std::vector<Draw> draws;  // in the order of the file

    // "第1回〜第1353回"
    std::string RangeText() const;
};

// Reads the bundled file. Throws HistoryError naming the file.
BundledHistory ReadBundledHistory(const std::filesystem::path& csv);

// The first use: creates `file`, and the folder it lives in, from the bundled results and
// returns the history it now holds. Refuses to replace a file that exists. Throws HistoryError.
DrawHistory CreateHistoryFromBundled(const BundledHistory& bundled,
                                     const std::filesystem::path& file);

}  // namespace pirumo
