#include "base/inputfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "base/fileerror.h"
#include "base/systemreason.h"

namespace pirumo {

namespace {

[[noreturn]] void Refuse(const std::string& label, const std::string& reason) {
    throw FileError(label + reason);
}

[[noreturn]] void FailRead(const std::string& label, int error) {
    if (error == ENOENT) {
        Refuse(label, "が見つかりません。");
    }
    Refuse(label, "を読み込めません（" + SystemReason(error, FileAccess::kRead) + "）。");
}

void CheckKind(const struct stat& info, const std::string& label) {
    if (S_ISDIR(info.st_mode)) {
        Refuse(label, "はフォルダーです。");
    }
    if (!S_ISREG(info.st_mode)) {
        Refuse(label, "は通常のファイルではありません（装置やパイプは読み込みません）。");
    }
    if (static_cast<unsigned long long>(info.st_size) > kMaxInputFileSize) {
        Refuse(label, "は大きすぎます（64 MiB まで）。");
    }
}

class Descriptor {
public:
    explicit Descriptor(int fd) : mFd(fd) {}
    ~Descriptor() {
        if (mFd >= 0) {
            ::close(mFd);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return mFd; }

private:
    int mFd;
};

std::optional<std::string> Read(const std::filesystem::path& file, const std::string& label,
                                bool missingIsEmpty) {
    // Non-blocking, so that opening a FIFO returns at once and the kind check below refuses it.
    const Descriptor fd(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.Get() < 0) {
        const int error = errno;
        if (error == ENOENT && missingIsEmpty) {
            return std::nullopt;
        }
        FailRead(label, error);
    }
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0) {
        FailRead(label, errno);
    }
    CheckKind(info, label);
    std::string bytes(static_cast<std::size_t>(info.st_size), '\0');
    std::size_t used = 0;
    for (;;) {
        // One byte past the limit tells a file that grew beyond it since fstat.
        if (used == bytes.size()) {
            if (bytes.size() > kMaxInputFileSize) {
                Refuse(label, "は大きすぎます（64 MiB まで）。");
            }
            bytes.resize(std::min(kMaxInputFileSize + 1, bytes.size() + 65536));
        }
        const ssize_t n = ::read(fd.Get(), bytes.data() + used, bytes.size() - used);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            FailRead(label, errno);
        }
        if (n == 0) {
            break;
        }
        used += static_cast<std::size_t>(n);
    }
    bytes.resize(used);
    return bytes;
}

}  // namespace

std::string ReadInputFile(const std::filesystem::path& file, const std::string& label) {
    return *Read(file, label, false);
}

std::optional<std::string> ReadInputFileIfPresent(const std::filesystem::path& file,
                                                  const std::string& label) {
    return Read(file, label, true);
}

void CheckInputFile(const std::filesystem::path& file, const std::string& label) {
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0) {
        FailRead(label, errno);
    }
    CheckKind(info, label);
}

}  // namespace pirumo
