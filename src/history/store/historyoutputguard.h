#pragma once

#include <filesystem>

namespace pirumo {

// Keeps every output of the program (exports, --out files, saved PDFs and pictures) off the
// history file and its backup `history` + ".bak".
void ProtectHistoryFromOutput(const std::filesystem::path& history);

}  // namespace pirumo
