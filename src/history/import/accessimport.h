#pragma once

#include <filesystem>

namespace pirumo {

// Replaces the history file with the draws of a Jet file and returns how many rows it now
// holds. Nothing is written when the Jet file is refused.
int ImportAccessHistory(const std::filesystem::path& mdbFile,
                        const std::filesystem::path& historyFile);

}  // namespace pirumo
