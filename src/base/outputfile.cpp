#include "base/outputfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "base/atomicfile.h"
#include "base/fileerror.h"
#include "base/protectedoutput.h"
#include "base/systemreason.h"

namespace pirumo {

namespace {

// /dev/stdout and its kin name a descriptor the program already has open; replacing what they
// lead to would pull the file away from under the shell's redirection.
bool NamesOpenDescriptor(const std::filesystem::path& file) {
    const std::string name = file.lexically_normal().string();
    return name == "/dev/stdout" || name == "/dev/stderr" || name.starts_with("/dev/fd/") ||
           name.starts_with("/proc/");
}

[[noreturn]] void FailWrite(const std::filesystem::path& file, int error) {
    throw FileError("「" + file.string() + "」に書き込めません（" +
                    SystemReason(error, FileAccess::kWrite) + "）。");
}

void WriteDirectly(const std::filesystem::path& file, std::string_view bytes, int flags) {
    const int fd = ::open(file.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | flags);
    if (fd < 0) {
        FailWrite(file, errno);
    }
    std::size_t written = 0;
    int error = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            error = errno;
            break;
        }
        written += static_cast<std::size_t>(n);
    }
    if (::close(fd) != 0 && error == 0 && errno != EINTR) {
        error = errno;
    }
    if (error != 0) {
        FailWrite(file, error);
    }
}

}  // namespace

void WriteOutputFile(const std::filesystem::path& file, std::string_view bytes) {
    RefuseProtectedOutput(file);
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0) {
        // A new file, or a link to one.
        WriteFileAtomically(file, bytes);
        return;
    }
    if (S_ISCHR(info.st_mode) || S_ISFIFO(info.st_mode)) {
        WriteDirectly(file, bytes, 0);
    } else if (S_ISREG(info.st_mode) && NamesOpenDescriptor(file)) {
        // Appending keeps what a `>>` redirection holds already; after `>` the file is empty.
        WriteDirectly(file, bytes, O_APPEND);
    } else if (S_ISREG(info.st_mode)) {
        WriteFileAtomically(file, bytes);
    } else if (S_ISDIR(info.st_mode)) {
        throw FileError("「" + file.string() + "」はフォルダーです。");
    } else {
        throw FileError("「" + file.string() +
                        "」は通常のファイルでも端末やパイプでもないため書き込みません。");
    }
}

}  // namespace pirumo
