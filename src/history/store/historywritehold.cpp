#include "history/store/historywritehold.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "base/systemreason.h"
#include "history/historyerror.h"

namespace pirumo {

namespace fs = std::filesystem;

namespace {

// Where the engine's unix locks lie: the pending byte, the reserved byte and the shared range.
constexpr off_t kEngineLockStart = 0x40000000;
constexpr off_t kEngineLockLength = 2 + 510;

std::string Quoted(const fs::path& file) {
    return "当選データファイル「" + file.string() + "」";
}

[[noreturn]] void ThrowInUse(const fs::path& file) {
    throw HistoryError(Quoted(file) +
                       "は別のプログラムが書き込み中（使用中）のため、置き換えませんでした。"
                       "しばらくしてからやり直してください。");
}

bool IsBusy(int code) {
    return (code & 0xff) == SQLITE_BUSY || (code & 0xff) == SQLITE_LOCKED;
}

bool HeldByAnotherProcess(int fd) {
    struct flock probe {};
    probe.l_type = F_WRLCK;
    probe.l_whence = SEEK_SET;
    probe.l_start = kEngineLockStart;
    probe.l_len = kEngineLockLength;
    return ::fcntl(fd, F_GETLK, &probe) == 0 && probe.l_type != F_UNLCK;
}

}  // namespace

HistoryWriteHold::HistoryWriteHold(const fs::path& file) : mFile(file) {
    // Opened before the engine's connection and closed after it, so that its close drops none
    // of the connection's locks.
    mFd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (mFd < 0) {
        const int error = errno;
        throw HistoryError(Quoted(file) + "を開けません（" +
                           SystemReason(error, FileAccess::kRead) + "）。");
    }
    try {
        mDb.emplace(file, SqlCipherDatabase::Mode::kReadWrite);
    } catch (const HistoryError&) {
        // Not openable as ours: judged by the locks below.
    }
    if (mDb) {
        const int rc = sqlite3_exec(mDb->Handle(), "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        if (rc == SQLITE_OK) {
            return;
        }
        mDb.reset();
        if (IsBusy(rc)) {
            ::close(mFd);
            ThrowInUse(file);
        }
    }
    if (HeldByAnotherProcess(mFd)) {
        ::close(mFd);
        ThrowInUse(file);
    }
    std::error_code ec;
    mHotJournal = fs::exists(file.string() + "-journal", ec);
}

HistoryWriteHold::~HistoryWriteHold() {
    if (mDb) {
        sqlite3_exec(mDb->Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
        mDb.reset();
    }
    ::close(mFd);
}

std::string HistoryWriteHold::Bytes() const {
    std::string bytes;
    char buffer[65536];
    for (off_t offset = 0;;) {
        const ssize_t n = ::pread(mFd, buffer, sizeof buffer, offset);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            const int error = errno;
            throw HistoryError(Quoted(mFile) + "を読めません（" +
                               SystemReason(error, FileAccess::kRead) + "）。");
        }
        if (n == 0) {
            return bytes;
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
        offset += n;
    }
}

}  // namespace pirumo
