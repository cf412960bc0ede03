#pragma once

#include <filesystem>
#include <string_view>

namespace pirumo {

// Replaces `file` with `bytes`: a temporary file in the same folder is written, flushed to disk
// and renamed over the old one, so a failure leaves the old file exactly as it was. Throws
// std::runtime_error with a Japanese message on failure.
void WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes);

}  // namespace pirumo
