#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "history/draw.h"
#include "history/refresh/droppeddraws.h"

namespace pirumo {

// What replacing the history file with the draws of a file to import would change.
struct ImportChange {
    std::size_t currentCount = 0;
    std::size_t incomingCount = 0;
    std::optional<Draw> currentNewest;  // the last valid draw; nullopt when there is none
    std::optional<Draw> incomingNewest;
    // Draws of the current history the file lacks or holds with other numbers: typically the
    // ones entered by hand since the file was made.
    std::vector<DroppedDraw> lost;
    std::string currentReadError;  // why the current file could not be read, if it could not
};

// Compares the history file with the draws about to replace it. Reads the file; writes nothing.
ImportChange CompareImport(const std::filesystem::path& historyFile,
                           const std::vector<Draw>& incoming);

// The change for the question before an import: 件数, 最新回 and whether draws are lost (at most
// maxLines of them listed), one item a line.
std::string DescribeImportChange(const ImportChange& change, std::size_t maxLines);

}  // namespace pirumo
