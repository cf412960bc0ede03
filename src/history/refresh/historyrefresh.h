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
    std::vector<Draw> rows;  // the downloaded history, with the local prizes it lacks kept
    std::vector<DroppedDraw> droppedDraws;  // local draws the download lacks or holds otherwise
    std::string localReadError;             // why the local file could not be read, if it could not
    std::vector<Draw> addedDraws;           // downloaded draws whose number the local file lacks
    int correctedDrawCount = 0;  // draws both hold, the download with other numbers or date
    // Draw numbers the download skips between its first and last draw, leaving out the ones the
    // local history has long lacked too (older than its newest draw).
    std::vector<int> missingDrawNumbers;
    bool localIsSample = false;
    int localLastDrawNumber = 0;  // of the last valid local draw
    int lastDrawNumber = 0;       // of the last valid downloaded draw

    // Replacing would lose something the user has, or keep a gap: ask, or refuse without --force.
    bool NeedsConfirmation() const {
        return !droppedDraws.empty() || !localReadError.empty() || !missingDrawNumbers.empty();
    }
    // The download adds and corrects nothing: replacing could only lose draws, so the file and
    // its backup are left alone.
    bool BringsNothingNew() const {
        return localReadError.empty() && !localIsSample && addedDraws.empty() &&
               correctedDrawCount == 0;
    }
};

// Checks the target and the downloaded body (a Jet file is read by `access`) and compares the
// body with the local history. Writes nothing.
RefreshPlan PlanHistoryRefresh(const std::filesystem::path& target, const std::string& body,
                               const AccessReader& access);

// The draws the download skips (one line), or empty when it skips none.
std::string DescribeMissingDraws(const RefreshPlan& plan);

// Tells what replacing would lose (the dropped draws, at most maxLines of them, or the read
// failure of the local file), for the question or the refusal; empty when nothing is lost.
std::string DescribeRefreshLoss(const RefreshPlan& plan, std::size_t maxLines);

// Replaces target with the plan's rows atomically; the old file is kept as target + ".bak".
// Returns the history the file now holds.
DrawHistory ApplyHistoryRefresh(const std::filesystem::path& target, const RefreshPlan& plan);

// What the refresh added: "第1354回（2025/09/30）と第1355回（2025/10/07）を追加しました。", the
// first and the last with the count for many; what it corrected or replaced otherwise.
std::string RefreshDoneMessage(const RefreshPlan& plan);

// "新しい回はありません（最新 第1353回）。", and which local draws the download lacks, kept.
std::string NothingNewMessage(const RefreshPlan& plan);

}  // namespace pirumo
