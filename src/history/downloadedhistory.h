#pragma once

#include <string>
#include <vector>

#include "history/draw.h"

namespace pirumo {

// Checks that a downloaded body is a history file this program can read (the encrypted format,
// or a Jet/Access file) whose saved query answers with the seven fields and holds at least one
// valid draw, and returns its rows. Throws HistoryError with a Japanese message naming the check
// that failed.
std::vector<Draw> ReadDownloadedHistory(const std::string& body);

}  // namespace pirumo
