#include "base/protectedoutput.h"

#include <mutex>
#include <system_error>
#include <vector>

#include "base/fileerror.h"
#include "base/fileidentity.h"

namespace pirumo {

namespace fs = std::filesystem;

namespace {

std::mutex gMutex;
std::vector<fs::path> gProtected;

// Where writing to `file` would land: links followed also when their target does not exist,
// which weakly_canonical leaves unresolved. Loops of links end at the last name tried.
fs::path LandingPlace(const fs::path& file) {
    std::error_code ec;
    fs::path current = fs::absolute(file, ec);
    if (ec) {
        current = file;
    }
    for (int hops = 0; hops < 40 && fs::is_symlink(current, ec); ++hops) {
        const fs::path target = fs::read_symlink(current, ec);
        if (ec) {
            break;
        }
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    const fs::path resolved = fs::weakly_canonical(current, ec);
    return ec ? current.lexically_normal() : resolved;
}

bool SameFile(const fs::path& output, const fs::path& kept) {
    if (LandingPlace(output) == LandingPlace(kept)) {
        return true;
    }
    const auto outputIdentity = IdentityOf(output);
    return outputIdentity && outputIdentity == IdentityOf(kept);
}

}  // namespace

void ProtectFromOutput(const fs::path& file) {
    std::error_code ec;
    const fs::path absolute = fs::absolute(file, ec);
    const std::lock_guard lock(gMutex);
    gProtected.push_back(ec ? file : absolute);
}

void RefuseProtectedOutput(const fs::path& output) {
    const std::lock_guard lock(gMutex);
    for (const fs::path& kept : gProtected) {
        if (SameFile(output, kept)) {
            throw FileError("「" + output.string() + "」は当選データのファイル「" +
                            kept.filename().string() +
                            "」です。上書きすると当選データが失われるため、書き出しません。"
                            "別のファイル名を指定してください。");
        }
    }
}

}  // namespace pirumo
