#pragma once

#include <chrono>
#include <filesystem>

namespace pirumo {

// An advisory lock on the folder of a file, held for the lifetime of the object, so that two
// programs replacing that file take turns: the second replaces the first's result. Locking the
// folder rather than a lock file beside the file leaves nothing behind and needs no longer name.
// Throws FileError saying the file is in use when the lock is not free within `wait`. A folder
// that cannot be opened for locking is not locked (the replacement itself is still atomic).
// Taking the lock removes the temporary files that killed writers left in the folder.
class FolderLock {
public:
    explicit FolderLock(const std::filesystem::path& file,
                        std::chrono::milliseconds wait = std::chrono::seconds(30));
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

private:
    int mFd = -1;
};

}  // namespace pirumo
