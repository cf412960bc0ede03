#pragma once

#include <filesystem>

namespace pirumo {

// Registers a file that no output of this program may replace (the history and its backup): an
// export or a saved picture written over them would destroy the draws without a backup. The
// file need not exist yet.
void ProtectFromOutput(const std::filesystem::path& file);

// Throws FileError in Japanese when `output` names a protected file: by the same name, through a
// symbolic link (also one to a file not yet made) or as a hard link of it.
void RefuseProtectedOutput(const std::filesystem::path& output);

}  // namespace pirumo
