#pragma once

#include <filesystem>

namespace pirumo {

// The folder of the running executable, or the current folder when it cannot be told.
std::filesystem::path ProgramFolder();

}  // namespace pirumo
