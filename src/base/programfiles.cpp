#include "base/programfiles.h"

#include <unistd.h>

#include <system_error>

namespace pirumo {

namespace fs = std::filesystem;

namespace {

constexpr const char* kHistoryName = "Pirumo.mdb";
constexpr const char* kSettingsName = "ピルモ.ini";
constexpr const char* kBundledName = "miniloto-history.csv";

fs::path SharedDataFolder(const fs::path& programFolder) {
    return programFolder.parent_path() / "share" / "pirumo";
}

bool Exists(const fs::path& file) {
    std::error_code ignored;
    return fs::exists(file, ignored);
}

bool IsInstalled(const fs::path& programFolder) {
    return programFolder.filename() == "bin" &&
           Exists(SharedDataFolder(programFolder) / kBundledName);
}

}  // namespace

ProgramFiles LocateProgramFiles(const fs::path& programFolder, const UserFolders& user) {
    ProgramFiles files;
    for (const fs::path& candidate :
         {programFolder / kBundledName, SharedDataFolder(programFolder) / kBundledName}) {
        if (Exists(candidate)) {
            files.bundledHistory = candidate;
            break;
        }
    }
    files.portable =
        !IsInstalled(programFolder) && ::access(programFolder.c_str(), W_OK | X_OK) == 0;
    if (files.portable) {
        files.history = programFolder / kHistoryName;
        files.settings = kSettingsName;
    } else {
        files.history = user.data / kHistoryName;
        files.settings = user.config / kSettingsName;
    }
    return files;
}

}  // namespace pirumo
