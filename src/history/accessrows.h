#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "history/accesshistory.h"
#include "history/draw.h"

namespace pirumo {

// Checks the rows of a Jet file and turns them into draws in ascending 回数 order. Refuses
// (HistoryError naming the row and the field) a 回数 that is missing, not an integer from 1 to
// 32767 or repeated, a number field that holds anything but an integer from 1 to 31, and a
// 開催日 that is no date. Null fields stay empty.
std::vector<Draw> ConvertAccessRows(const AccessHistory& history);

// Reads and checks the draws of a Jet file on disk or in memory (the download refresh).
std::vector<Draw> ReadAccessHistoryRows(const std::filesystem::path& mdbFile);
std::vector<Draw> ReadAccessHistoryRowsFromBytes(const std::string& bytes);

}  // namespace pirumo
