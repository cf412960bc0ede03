#include "base/atomicfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <string>
#include <system_error>

#include "base/fileerror.h"
#include "base/leftovertempfiles.h"
#include "base/protectedoutput.h"
#include "base/systemreason.h"

namespace pirumo {

namespace fs = std::filesystem;

namespace {

constexpr const char* kTempPrefix = ".pirumo-";
// A temporary file of a writer that takes no folder lock, or of an older version, is judged by
// its age alone: no write lasts this long.
constexpr auto kAbandonedAfter = std::chrono::minutes(10);

fs::path FolderOf(const fs::path& file) {
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

std::string Quoted(const fs::path& file) {
    return "「" + file.string() + "」";
}

[[noreturn]] void FailWrite(const fs::path& file, int error) {
    throw FileError("ファイル" + Quoted(file) + "を書き込めません（" +
                        SystemReason(error, FileAccess::kWrite) + "）。",
                    error);
}

// What a file created without a template gets: read-write for all, less the umask.
fs::perms NewFilePermissions() {
    // umask can only be read by setting it; nothing else in the program changes it.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<fs::perms>(0666 & ~mask);
}

void SyncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        // The rename has happened; a folder that cannot be flushed is no failed write.
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

fs::path ResolveWriteTarget(const fs::path& file) {
    // Followed by hand rather than with canonical(), so that a link to a file not yet there
    // leads to where that file is to be made.
    constexpr int kMaxLinks = 40;
    fs::path target = file;
    for (int hop = 0; hop < kMaxLinks; ++hop) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(target, ec))) {
            return target;
        }
        const fs::path next = fs::read_symlink(target, ec);
        if (ec) {
            break;
        }
        target = next.is_absolute() ? next : FolderOf(target) / next;
    }
    throw FileError("リンク" + Quoted(file) + "の指す先をたどれません（リンクが循環しています）。");
}

AtomicFile::AtomicFile(const fs::path& file) : mTarget(ResolveWriteTarget(file)) {
    struct stat info {};
    if (::stat(mTarget.c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode)) {
            throw FileError(Quoted(mTarget) + "はフォルダーです。");
        }
        if (!S_ISREG(info.st_mode)) {
            throw FileError(Quoted(mTarget) + "は通常のファイルではないため置き換えません。");
        }
        if ((info.st_mode & 0666) == 0) {
            throw FileError("ファイル" + Quoted(mTarget) +
                            "は読み書きの権限がだれにもないため書き換えません。");
        }
        if ((info.st_mode & 0222) == 0) {
            throw FileError("ファイル" + Quoted(mTarget) + "は読み取り専用のため書き換えません。");
        }
    }
    const fs::path folder = FolderOf(mTarget);
    RemoveLeftoverTempFiles(folder, kAbandonedAfter);
    do {
        if (mFd >= 0) {
            ::close(mFd);
        }
        std::string pattern = (folder / (std::string(kTempPrefix) + "XXXXXX")).string();
        mFd = ::mkostemp(pattern.data(), O_CLOEXEC);
        if (mFd < 0) {
            const int error = errno;
            throw FileError("一時ファイルをフォルダー" + Quoted(folder) + "に作成できません（" +
                            SystemReason(error, FileAccess::kWrite) + "）。");
        }
        mTemp = pattern;
    } while (!HoldTempFile(mFd));
}

AtomicFile::~AtomicFile() {
    Discard();
}

void AtomicFile::Discard() {
    if (mFd >= 0) {
        ::close(mFd);
        mFd = -1;
    }
    if (!mTemp.empty()) {
        std::error_code ignored;
        fs::remove(mTemp, ignored);
        // The database engine's journal for the new file, if it left one.
        fs::remove(mTemp.string() + "-journal", ignored);
        mTemp.clear();
    }
}

void AtomicFile::Write(std::string_view bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(mFd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            const int error = errno;
            Discard();
            FailWrite(mTarget, error);
        }
        written += static_cast<std::size_t>(n);
    }
}

void AtomicFile::Prepare(const std::optional<fs::path>& attributesFrom) {
    const fs::path& model = attributesFrom ? *attributesFrom : mTarget;
    struct stat old {};
    struct stat made {};
    mode_t mode = static_cast<mode_t>(NewFilePermissions());
    if (::stat(model.c_str(), &old) == 0) {
        mode = old.st_mode & 07777;
        // Changed first: a change of owner clears the set-id bits that fchmod then restores.
        if (::fstat(mFd, &made) == 0 && (made.st_uid != old.st_uid || made.st_gid != old.st_gid) &&
            ::fchown(mFd, old.st_uid, old.st_gid) != 0) {
            Discard();
            throw FileError("ファイル" + Quoted(mTarget) +
                            "の所有者とグループを新しいファイルに引き継ぐ権限がないため、"
                            "置き換えません。ファイルの所有者として実行してください。");
        }
    }
    if (::fchmod(mFd, mode) != 0 || ::fsync(mFd) != 0) {
        const int error = errno;
        Discard();
        FailWrite(mTarget, error);
    }
}

// The temporary file's lock is held until it has its final name, so no sweep takes it first.
void AtomicFile::Commit(const std::optional<fs::path>& attributesFrom) {
    Prepare(attributesFrom);
    if (::rename(mTemp.c_str(), mTarget.c_str()) != 0) {
        const int error = errno;
        Discard();
        FailWrite(mTarget, error);
    }
    mTemp.clear();
    CloseWritten();
    SyncFolder(FolderOf(mTarget));
}

void AtomicFile::CommitAsNew() {
    Prepare(std::nullopt);
    // link() refuses an existing name, so a file that appeared meanwhile is not overwritten.
    if (::link(mTemp.c_str(), mTarget.c_str()) != 0) {
        const int error = errno;
        Discard();
        if (error == EEXIST) {
            throw FileError("ファイル" + Quoted(mTarget) + "は既にあります。");
        }
        FailWrite(mTarget, error);
    }
    const fs::path temp = mTemp;
    mTemp.clear();
    std::error_code ignored;
    fs::remove(temp, ignored);
    CloseWritten();
    SyncFolder(FolderOf(mTarget));
}

// A close that fails after the flush is no failed write: the data is on disk under its name.
void AtomicFile::CloseWritten() {
    ::close(mFd);
    mFd = -1;
}

void WriteFileAtomically(const fs::path& file, std::string_view bytes) {
    RefuseProtectedOutput(file);
    AtomicFile out(file);
    out.Write(bytes);
    out.Commit();
}

}  // namespace pirumo
