#pragma once

#include <filesystem>

namespace pirumo {

// A private folder under the system's temporary folder (TMPDIR), removed with everything in it
// by the destructor. It holds a lock on the folder while it lives, so that the folders of killed
// programs can be told apart: making one removes those that are some minutes old. Throws
// FileError saying why when it cannot be made.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    const std::filesystem::path& Path() const { return mPath; }

private:
    std::filesystem::path mPath;
    int mFd = -1;
};

}  // namespace pirumo
