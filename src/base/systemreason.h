#pragma once

#include <string>

namespace pirumo {

enum class FileAccess { kRead, kWrite };

// A short Japanese reason for a system error number, for the parentheses after a sentence that
// names the file: 「書き込みの権限がありません」, 「ディスクがいっぱいです」 and so on.
std::string SystemReason(int error, FileAccess access);

}  // namespace pirumo
