#include "base/atomicfile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>
#include <stdexcept>
#include <string>

namespace pirumo {

namespace {

std::filesystem::path TemporarySibling(const std::filesystem::path& file) {
    std::random_device seed;
    std::filesystem::path temp = file;
    temp += ".tmp" + std::to_string(seed() % 1000000u);
    return temp;
}

[[noreturn]] void Fail(const std::filesystem::path& file, int error) {
    throw std::runtime_error("ファイル「" + file.string() + "」を書き込めませんでした（" +
                             std::strerror(error) + "）。");
}

}  // namespace

void WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes) {
    const std::filesystem::path temp = TemporarySibling(file);
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) {
        Fail(file, errno);
    }
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            const int error = errno;
            ::close(fd);
            ::unlink(temp.c_str());
            Fail(file, error);
        }
        written += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        Fail(file, error);
    }
    if (::rename(temp.c_str(), file.c_str()) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        Fail(file, error);
    }
}

}  // namespace pirumo
