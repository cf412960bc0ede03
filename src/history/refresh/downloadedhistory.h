#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "history/draw.h"

namespace pirumo {

// Checks that a downloaded body is a history file this program can read (the encrypted format,
// or a Jet/Access file) whose saved query answers with the seven fields, whose fields pass the
// rules of history/drawfields.h and which holds at least one valid draw, and returns its rows. A
// Jet file is converted by `cli` (pirumo-cli) in a child process, out of reach of libmdb's crashes
// and hangs. Throws HistoryError with a Japanese message naming the check that failed.
std::vector<Draw> ReadDownloadedHistory(const std::string& body, const std::filesystem::path& cli);

}  // namespace pirumo
