#include "base/standardstreams.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace pirumo {

bool StandardErrorIsTerminal() {
    return ::isatty(STDERR_FILENO) != 0;
}

std::optional<int> FinishStandardOutput() {
    errno = 0;
    const bool flushed = std::fflush(stdout) == 0 && !std::ferror(stdout);
    const int flushError = errno;
    const bool closed = std::fclose(stdout) == 0;
    if (flushed && closed) {
        return std::nullopt;
    }
    return flushError != 0 ? flushError : (errno != 0 ? errno : EIO);
}

SilencedStandardError::SilencedStandardError() {
    std::fflush(stderr);
    const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (null < 0) {
        return;
    }
    mSaved = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 3);
    if (mSaved >= 0) {
        ::dup2(null, STDERR_FILENO);
    }
    ::close(null);
}

SilencedStandardError::~SilencedStandardError() {
    if (mSaved >= 0) {
        std::fflush(stderr);
        ::dup2(mSaved, STDERR_FILENO);
        ::close(mSaved);
    }
}

}  // namespace pirumo
