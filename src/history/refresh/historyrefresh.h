#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "history/draw.h"
#include "history/drawhistory.h"
#include "history/import/accessreader.h"
#include "history/refresh/droppeddraws.h"

namespace pirumo {

// The refresh replaces the history file that start-up reads with a downloaded one. It checks
// everything before writing and writes through one atomic replacement, so any failure leaves
// the local file exactly as it was. Failures throw HistoryError with a Japanese message.

// "当選データファイル：'<path>'が存在しません"
std::string MissingHistoryFileMessage(const std::filesystem::path& target);

// Throws HistoryError with MissingHistoryFileMessage when target is not an existing file.
void CheckRefreshTarget(const std::filesystem::path& target);

// What replacing the local history with a checked download would do.
struct RefreshPlan {
    std::vector<Draw> rows;                 // the downloaded history
    std::vector<DroppedDraw> droppedDraws;  // local draws the download lacks or holds otherwise
    std::string localReadError;             // why the local file could not be read, if it could not
    int validDrawCount = 0;
    int lastDrawNumber = 0;  // of the last valid downloaded draw

    // Replacing would lose something the user has: ask, or refuse without --force.
    bool NeedsConfirmation() const { return !droppedDraws.empty() || !localReadError.empty(); }
};

// Checks the target and the downloaded body (a Jet file is read by `access`) and compares the
// body with the local history. Writes nothing.
RefreshPlan PlanHistoryRefresh(const std::filesystem::path& target, const std::string& body,
                               const AccessReader& access);

// Tells what replacing would lose (the dropped draws, at most maxLines of them, or the read
// failure of the local file), for the question or the refusal.
std::string DescribeRefreshLoss(const RefreshPlan& plan, std::size_t maxLines);

// Replaces target with the plan's rows atomically; the old file is kept as target + ".bak".
// Returns the history the file now holds.
DrawHistory ApplyHistoryRefresh(const std::filesystem::path& target, const RefreshPlan& plan);

// "当選データを最新化しました。" with the number of valid draws and the last one.
std::string RefreshDoneMessage(const RefreshPlan& plan);

}  // namespace pirumo
