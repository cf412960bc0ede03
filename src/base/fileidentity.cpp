#include "base/fileidentity.h"

#include <sys/stat.h>

namespace pirumo {

std::optional<FileIdentity> IdentityOf(const std::filesystem::path& file) {
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0) {
        return std::nullopt;
    }
    return FileIdentity{static_cast<unsigned long long>(info.st_dev),
                        static_cast<unsigned long long>(info.st_ino)};
}

}  // namespace pirumo
