#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "history/draw.h"
#include "history/import/csvdraws.h"
#include "history/store/historyfile.h"

namespace pirumo {

// The draws of a CSV file; a refusal names the file.
std::vector<Draw> ReadCsvHistoryFile(const std::filesystem::path& csv);
// The same for the bytes of the file `csv`, read already.
std::vector<Draw> ParseCsvHistoryBytes(const std::string& bytes, const std::filesystem::path& csv);

// 回数,開催日,第1数字..第5数字,ボーナス数字, and the prize columns when any row has prizes, in
// UTF-8 with BOM and CR LF, as a spreadsheet opens it.
// Values are written as stored, so a value outside 1..31 shows up instead of vanishing.
std::string FormatCsvHistory(const std::vector<StoredRow>& rows);

// Writes the history file's draws to a CSV file (replaced atomically) and returns how many.
int ExportCsvHistory(const std::filesystem::path& historyFile, const std::filesystem::path& csv);

}  // namespace pirumo
