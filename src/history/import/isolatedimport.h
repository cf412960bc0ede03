#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "history/draw.h"

namespace pirumo {

// libmdb parses Jet files in C with little checking of its own; a hostile or badly damaged
// file can make it loop for minutes or crash. These helpers run the conversion in a child
// process (`pirumo-cli --db HISTORY import FILE`) under a time limit, so that neither can take
// the program down, and the history file is only ever replaced atomically by the child once
// the whole file has been read and checked. Failures throw HistoryError in Japanese: the
// child's own message, or one saying that it crashed or ran out of time.

inline constexpr std::chrono::seconds kImportTimeLimit{60};

// pirumo-cli in the folder of the running executable.
std::filesystem::path DefaultCliPath();

// Replaces historyFile with the draws of a CSV or Jet file and returns how many it now holds.
int ImportHistoryInChildProcess(const std::filesystem::path& cli,
                                const std::filesystem::path& sourceFile,
                                const std::filesystem::path& historyFile,
                                std::chrono::seconds limit = kImportTimeLimit);

// The draws of a Jet file held in memory (a download), converted by the child into a
// temporary history file in a private folder and read back from there.
std::vector<Draw> ReadAccessHistoryRowsInChildProcess(
    const std::filesystem::path& cli, const std::string& bytes,
    std::chrono::seconds limit = kImportTimeLimit);

}  // namespace pirumo
