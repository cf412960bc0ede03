#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "history/import/accesshistory.h"
#include "history/draw.h"

namespace pirumo {

// Checks the rows of a Jet file and turns them into draws in ascending 回数 order. Refuses
// (HistoryError naming `source`, the row and the field) a 回数 that is missing, not an integer
// from 1 to 32767 or repeated, a number field that holds anything but an integer from 1 to 31,
// and a table without rows. Null fields stay empty; 開催日 becomes "YYYY/MM/DD" where it reads
// as a date and is kept as it is otherwise, as the CSV import does.
std::vector<Draw> ConvertAccessRows(const AccessHistory& history,
                                    const std::string& source = "Accessファイル");

// Reads and checks the draws of a Jet file on disk or in memory (the download refresh).
std::vector<Draw> ReadAccessHistoryRows(const std::filesystem::path& mdbFile);
std::vector<Draw> ReadAccessHistoryRowsFromBytes(const std::string& bytes);

}  // namespace pirumo
