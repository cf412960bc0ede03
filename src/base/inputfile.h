#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace pirumo {

// No input this program reads comes near this size; a larger one is damage or a mistake.
inline constexpr std::size_t kMaxInputFileSize = 64u * 1024u * 1024u;

// The bytes of a regular file, read up to the limit. A folder, a device, a FIFO or anything
// else but a regular file is refused before anything is read (a FIFO does not block), and so is
// a file beyond the limit. Failures throw FileError: `label` (e.g. 「CSVファイル「a.csv」」)
// followed by the reason in Japanese.
std::string ReadInputFile(const std::filesystem::path& file, const std::string& label);

// As ReadInputFile; nullopt when there is no file of that name.
std::optional<std::string> ReadInputFileIfPresent(const std::filesystem::path& file,
                                                  const std::string& label);

// Throws FileError as ReadInputFile would unless `file` is a regular file, for a file that a
// library opens by name itself.
void CheckInputFile(const std::filesystem::path& file, const std::string& label);

}  // namespace pirumo
