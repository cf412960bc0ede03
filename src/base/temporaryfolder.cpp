#include "base/temporaryfolder.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <string_view>

#include "base/fileerror.h"
#include "base/systemreason.h"

namespace pirumo {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kPrefix = "pirumo-";
// Older versions hold no lock on their folders; none of them keeps one this long.
constexpr auto kLeftAfter = std::chrono::minutes(10);

// Folders of this user named as mkdtemp names ours, whose lock no living program holds: the
// program that made them was killed (a download cut off during its check, say).
void RemoveLeftoverFolders(const fs::path& parent) {
    std::error_code ec;
    const auto now = fs::file_time_type::clock::now();
    for (const fs::directory_entry& entry : fs::directory_iterator(parent, ec)) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with(kPrefix) || name.size() != kPrefix.size() + 6) {
            continue;
        }
        std::error_code timeError;
        const auto written = entry.last_write_time(timeError);
        if (timeError || now - written < kLeftAfter) {
            continue;
        }
        const int fd =
            ::open(entry.path().c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0) {
            continue;
        }
        struct stat info {};
        if (::fstat(fd, &info) == 0 && info.st_uid == ::geteuid() &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            std::error_code ignored;
            fs::remove_all(entry.path(), ignored);
        }
        ::close(fd);
    }
}

}  // namespace

TemporaryFolder::TemporaryFolder() {
    const char* configured = std::getenv("TMPDIR");
    const fs::path parent = configured && *configured ? fs::path(configured) : fs::path("/tmp");
    RemoveLeftoverFolders(parent);
    // Locked for its whole life. A sweep that took the folder in the moment before the lock has
    // removed it, and another is made.
    for (;;) {
        std::string pattern = (parent / (std::string(kPrefix) + "XXXXXX")).string();
        if (!::mkdtemp(pattern.data())) {
            const int error = errno;
            throw FileError("一時フォルダーを「" + parent.string() + "」に作れません（" +
                            SystemReason(error, FileAccess::kWrite) + "）。");
        }
        mPath = pattern;
        mFd = ::open(mPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (mFd < 0 && errno == ENOENT) {
            continue;
        }
        struct stat info {};
        if (mFd >= 0 && ::flock(mFd, LOCK_EX) == 0 && ::fstat(mFd, &info) == 0 &&
            info.st_nlink == 0) {
            ::close(mFd);
            mFd = -1;
            continue;
        }
        return;
    }
}

TemporaryFolder::~TemporaryFolder() {
    std::error_code ignored;
    fs::remove_all(mPath, ignored);
    if (mFd >= 0) {
        ::close(mFd);
    }
}

}  // namespace pirumo
