#pragma once

#include <string>
#include <vector>

#include "history/draw.h"
#include "history/import/accessreader.h"

namespace pirumo {

// Checks that a downloaded body is a history this program can read (the encrypted format whose
// saved query answers with the seven fields, a Jet/Access file, or CSV text in the import
// format, told apart by their content), whose fields pass the rules of history/drawfields.h and
// which holds at least one valid draw, and returns its rows. A Jet file is read by `access` from
// a private copy. Throws HistoryError with a Japanese message naming the check that failed.
std::vector<Draw> ReadDownloadedHistory(const std::string& body, const AccessReader& access);

}  // namespace pirumo
