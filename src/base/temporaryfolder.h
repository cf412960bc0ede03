#pragma once

#include <filesystem>

namespace pirumo {

// A private folder under the system's temporary folder (TMPDIR), removed with everything in it
// by the destructor. Throws FileError saying why when it cannot be made.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    const std::filesystem::path& Path() const { return mPath; }

private:
    std::filesystem::path mPath;
};

}  // namespace pirumo
