#pragma once

#include <filesystem>
#include <string>

namespace pirumo {

// The published results shipped with the program (a CSV file in the import format), from which
// a missing history is created on first use.
struct BundledHistory {
    int draws = 0;
    int firstDraw = 0;
    int lastDraw = 0;

    // "第1回〜第1353回"
    std::string RangeText() const;
};

// Reads the bundled file. Throws HistoryError naming the file.
BundledHistory ReadBundledHistory(const std::filesystem::path& csv);

// Creates `file`, and the folder it lives in, from the bundled results. Refuses to replace a file
// that exists. Throws HistoryError.
BundledHistory CreateHistoryFromBundled(const std::filesystem::path& csv,
                                        const std::filesystem::path& file);

}  // namespace pirumo
