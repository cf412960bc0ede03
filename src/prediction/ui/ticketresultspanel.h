#pragma once

#include <filesystem>
#include <vector>

#include "history/draw.h"

class QMainWindow;

namespace pirumo {

// After draws were added, says at the foot of `window` what the saved tickets won in each of
// them, one line a draw, in a panel that stays until the user closes it (later draws add lines
// to it). Nothing is shown when no ticket was bought for the new draws.
void ShowTicketResults(QMainWindow& window, const std::filesystem::path& historyFile,
                       const std::vector<Draw>& newDraws);

}  // namespace pirumo
