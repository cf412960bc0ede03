#pragma once

#include <filesystem>
#include <string_view>

namespace pirumo {

// Writes a command's output to the file the user named. A regular file (or a new name, or a
// link to a regular file) is replaced atomically and keeps its permissions; a terminal, another
// character device, a FIFO or the program's own standard output or error (/dev/stdout,
// /dev/fd/N) is written to directly, never replaced; the history and its backup (see
// ProtectFromOutput) and anything else are refused. Throws FileError
// in Japanese.
void WriteOutputFile(const std::filesystem::path& file, std::string_view bytes);

}  // namespace pirumo
