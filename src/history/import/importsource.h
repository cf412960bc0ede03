#pragma once

#include <filesystem>

#include "history/drawhistory.h"
#include "history/import/accessreader.h"

namespace pirumo {

// What a file offered for import holds, told by its content whatever its name says: a backup
// such as Pirumo.mdb.bak is this program's own history file, an .mdb may be a CSV renamed.
enum class ImportSource { kHistoryFile, kAccessFile, kCsvFile };

// What an import found and wrote.
struct ImportedHistory {
    ImportSource source = ImportSource::kCsvFile;
    DrawHistory history;  // what the history file now holds
};

// Reads `source` once, tells what it is from those bytes, and replaces historyFile with its
// draws; a Jet file is handed to `access` instead, which reads it out of harm's way. Every draw
// passes the rules of history/drawfields.h and at least one is valid, or nothing is written and
// HistoryError says why. Only a regular file of at most 64 MiB is read, so a FIFO or a device
// cannot hold the caller. Nobody needs to read historyFile again: the result holds it.
ImportedHistory ImportHistory(const std::filesystem::path& source,
                              const std::filesystem::path& historyFile, const AccessReader& access);

}  // namespace pirumo
