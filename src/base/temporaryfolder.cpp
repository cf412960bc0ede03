#include "base/temporaryfolder.h"

#include <cerrno>
#include <cstdlib>

#include "base/fileerror.h"
#include "base/systemreason.h"

namespace pirumo {

namespace fs = std::filesystem;

TemporaryFolder::TemporaryFolder() {
    const char* configured = std::getenv("TMPDIR");
    const fs::path parent = configured && *configured ? fs::path(configured) : fs::path("/tmp");
    std::string pattern = (parent / "pirumo-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) {
        const int error = errno;
        throw FileError("一時フォルダーを「" + parent.string() + "」に作れません（" +
                        SystemReason(error, FileAccess::kWrite) + "）。");
    }
    mPath = pattern;
}

TemporaryFolder::~TemporaryFolder() {
    std::error_code ignored;
    fs::remove_all(mPath, ignored);
}

}  // namespace pirumo
