#pragma once

#include <filesystem>

namespace pirumo {

// What a file offered for import holds, told by its content whatever its name says: a backup
// such as Pirumo.mdb.bak is this program's own history file, an .mdb may be a CSV renamed.
enum class ImportSource { kHistoryFile, kAccessFile, kCsvFile };

// Throws HistoryError when the file cannot be opened.
ImportSource RecogniseImportSource(const std::filesystem::path& file);

// Replaces historyFile with the draws of `source`, whichever of the three it is, and returns how
// many it now holds. Every draw passes the rules of history/drawfields.h and at least one is
// valid, or nothing is written and HistoryError says why.
int ImportHistory(const std::filesystem::path& source, const std::filesystem::path& historyFile);

}  // namespace pirumo
