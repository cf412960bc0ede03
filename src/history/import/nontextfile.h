#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pirumo {

// What a file offered for import is, when its bytes cannot be a CSV and it is neither this
// program's history nor an Access file: a plain SQLite database, encrypted or compressed data
// (such as a damaged or cut-off history), or other binary data. The text completes a sentence
// that begins with the file's name, e.g. "は暗号化されていないSQLiteのデータベースで、…".
// nullopt for anything that may be text.
std::optional<std::string> DescribeNonTextFile(std::string_view bytes);

}  // namespace pirumo
