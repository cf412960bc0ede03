#pragma once

#include <filesystem>
#include <vector>

#include "history/drawhistory.h"
#include "history/import/accessreader.h"
#include "history/store/historyfile.h"

namespace pirumo {

// What a file offered for import holds, told by its content whatever its name says: a backup
// such as Pirumo.mdb.bak is this program's own history file, an .mdb may be a CSV renamed.
enum class ImportSource { kHistoryFile, kAccessFile, kCsvFile };

// A file offered for import, read and checked, that nothing has been written from yet.
struct CheckedImport {
    ImportSource source = ImportSource::kCsvFile;
    std::vector<Draw> rows;
    HistoryKind kind = HistoryKind::kPublished;  // a restored sample history stays one
};

// What an import found and wrote.
struct ImportedHistory {
    ImportSource source = ImportSource::kCsvFile;
    DrawHistory history;  // what the history file now holds
};

// Reads `source` once, tells what it is from those bytes and checks its draws; a Jet file is
// handed to `access` instead, which reads it out of harm's way. Every draw passes the rules of
// history/drawfields.h and at least one is valid, or HistoryError says why. Only a regular file
// of at most 64 MiB is read, so a FIFO or a device cannot hold the caller. Writes nothing.
CheckedImport CheckImportSource(const std::filesystem::path& source, const AccessReader& access);

// Replaces historyFile with the checked draws (the old file kept as .bak); draws the source
// holds without prize data keep those of the history (KeepStoredPrizes). Nobody needs to read
// historyFile again: the result holds it.
ImportedHistory ApplyImport(const CheckedImport& checked, const std::filesystem::path& historyFile);

// CheckImportSource, then ApplyImport.
ImportedHistory ImportHistory(const std::filesystem::path& source,
                              const std::filesystem::path& historyFile, const AccessReader& access);

}  // namespace pirumo
