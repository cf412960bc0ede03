#include "base/leftovertempfiles.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <string_view>
#include <system_error>

namespace pirumo {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kPrefix = ".pirumo-";
constexpr std::string_view kJournal = "-journal";
constexpr std::size_t kNameLength = kPrefix.size() + 6;

// The temporary file itself for its name or its journal's; empty for any other name.
std::string OwnerName(const std::string& name) {
    if (!name.starts_with(kPrefix)) {
        return {};
    }
    if (name.size() == kNameLength) {
        return name;
    }
    if (name.size() == kNameLength + kJournal.size() && name.ends_with(kJournal)) {
        return name.substr(0, kNameLength);
    }
    return {};
}

// True when the file's lock was free and the file is gone; a missing file counts as gone.
bool RemoveUnheld(const fs::path& file) {
    // Not blocking on a FIFO that merely has such a name.
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) {
        return errno == ENOENT;
    }
    bool removed = false;
    struct stat info {};
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        // Unlinked while locked, so its writer, were it starting this moment, sees the file gone.
        removed = ::unlink(file.c_str()) == 0 || errno == ENOENT;
    }
    ::close(fd);
    return removed;
}

}  // namespace

bool HoldTempFile(int fd) {
    struct stat info {};
    return ::flock(fd, LOCK_EX) == 0 && ::fstat(fd, &info) == 0 && info.st_nlink > 0;
}

void RemoveLeftoverTempFiles(const fs::path& folder, std::chrono::seconds olderThan) {
    std::error_code ec;
    const auto now = fs::file_time_type::clock::now();
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, ec)) {
        const std::string owner = OwnerName(entry.path().filename().string());
        if (owner.empty() || !entry.is_regular_file(ec)) {
            continue;
        }
        std::error_code timeError;
        const auto written = entry.last_write_time(timeError);
        if (timeError || now - written < olderThan) {
            continue;
        }
        // A journal goes with its file: only once the file's writer is gone.
        if (RemoveUnheld(folder / owner) && entry.path().filename() != owner) {
            std::error_code ignored;
            fs::remove(entry.path(), ignored);
        }
    }
}

}  // namespace pirumo
