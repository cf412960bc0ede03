#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "history/store/sqlcipherdatabase.h"

namespace pirumo {

// Keeps every other program from writing an existing history file while it is copied to its
// backup and replaced. It takes the engine's write lock, waiting as long as a connection waits
// for another program's write; a file that stays busy throws HistoryError saying it is in use,
// before anything has changed. Taking the lock rolls back a journal left by a cut-off edit.
// A file our key does not open (damaged, or another kind) cannot be locked that way: it is
// refused as in use while another program holds any of the engine's locks on it, and otherwise
// a journal beside it is hot, belongs to no living program and is to be moved aside.
class HistoryWriteHold {
public:
    explicit HistoryWriteHold(const std::filesystem::path& file);
    ~HistoryWriteHold();
    HistoryWriteHold(const HistoryWriteHold&) = delete;
    HistoryWriteHold& operator=(const HistoryWriteHold&) = delete;

    // The file's bytes as they stand under the lock. Read through the descriptor opened with
    // the hold: closing any other descriptor of the file would drop the engine's locks of this
    // process. Throws HistoryError naming the file.
    std::string Bytes() const;
    // A journal the engine could not roll back, which no other program writes.
    bool HasHotJournal() const { return mHotJournal; }
    // The connection holding the lock, for reading what the file holds besides its draws;
    // nullptr when our key does not open the file.
    SqlCipherDatabase* Database() { return mDb ? &*mDb : nullptr; }

private:
    std::filesystem::path mFile;
    int mFd = -1;
    std::optional<SqlCipherDatabase> mDb;
    bool mHotJournal = false;
};

}  // namespace pirumo
