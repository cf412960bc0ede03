#include "base/folderlock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

#include "base/fileerror.h"
#include "base/leftovertempfiles.h"

namespace pirumo {

FolderLock::FolderLock(const std::filesystem::path& file, std::chrono::milliseconds wait) {
    const std::filesystem::path folder =
        file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
    mFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (mFd < 0) {
        return;
    }
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (::flock(mFd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) {
            // A file system without locks: go on unlocked.
            return;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            ::close(mFd);
            mFd = -1;
            throw FileError(
                "ファイル「" + file.string() +
                "」は別のプログラムが書き込み中（使用中）です。しばらくしてからやり直して"
                "ください。");
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    // No other writer of this folder's history runs now: whatever temporary files no living
    // writer holds were left by killed ones.
    RemoveLeftoverTempFiles(folder, std::chrono::seconds(0));
}

FolderLock::~FolderLock() {
    if (mFd >= 0) {
        ::close(mFd);
    }
}

}  // namespace pirumo
