#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "history/draw.h"
#include "history/import/accesshistory.h"

namespace pirumo {

// Checks the rows of a Jet file by the rules of history/drawfields.h and turns them into draws in
// ascending 回数 order. Refuses (HistoryError naming `source`, the row and the field) a 回数 that
// is missing or repeated, a field the rules refuse, and a table without rows. Null fields stay
// empty.
std::vector<Draw> ConvertAccessRows(const AccessHistory& history,
                                    const std::string& source = "Accessファイル");

// Reads and checks the draws of a Jet file on disk or in memory.
std::vector<Draw> ReadAccessHistoryRows(const std::filesystem::path& mdbFile);
std::vector<Draw> ReadAccessHistoryRowsFromBytes(const std::string& bytes);

}  // namespace pirumo
