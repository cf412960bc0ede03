#include "history/refresh/historyrefresh.h"

#include <algorithm>
#include <system_error>

#include "history/historyerror.h"
#include "history/refresh/downloadedhistory.h"
#include "history/store/historyfile.h"

namespace pirumo {

namespace fs = std::filesystem;

std::string MissingHistoryFileMessage(const fs::path& target) {
    return "当選データファイル：'" + target.string() + "'が存在しません";
}

void CheckRefreshTarget(const fs::path& target) {
    std::error_code ec;
    if (!fs::is_regular_file(target, ec)) {
        throw HistoryError(MissingHistoryFileMessage(target));
    }
}

RefreshPlan PlanHistoryRefresh(const fs::path& target, const std::string& body,
                               const AccessReader& access) {
    CheckRefreshTarget(target);
    RefreshPlan plan;
    plan.rows = ReadDownloadedHistory(body, access);
    for (const Draw& d : plan.rows) {
        if (IsValidDraw(d)) {
            ++plan.validDrawCount;
            plan.lastDrawNumber = std::max(plan.lastDrawNumber, d.drawNumber);
        }
    }
    try {
        plan.droppedDraws = FindDroppedDraws(ReadHistoryRows(target), plan.rows);
    } catch (const HistoryError& e) {
        plan.localReadError = e.what();
    }
    return plan;
}

std::string DescribeRefreshLoss(const RefreshPlan& plan, std::size_t maxLines) {
    if (!plan.localReadError.empty()) {
        return "現在の当選データファイルを読めないため、最新データと比べられません。\n" +
               plan.localReadError + "\n";
    }
    return "現在の当選データにある次の " + std::to_string(plan.droppedDraws.size()) +
           " 回分は、最新データにないか、数字が異なります。最新化するとこれらは失われます。\n" +
           DescribeDroppedDraws(plan.droppedDraws, maxLines);
}

DrawHistory ApplyHistoryRefresh(const fs::path& target, const RefreshPlan& plan) {
    // The file may have gone while the body was arriving; never create one in its place.
    CheckRefreshTarget(target);
    return ReplaceHistoryFile(target, plan.rows);
}

std::string RefreshDoneMessage(const RefreshPlan& plan) {
    return "当選データを最新化しました。（有効な当選データ " + std::to_string(plan.validDrawCount) +
           " 回分、最終 第" + std::to_string(plan.lastDrawNumber) + "回）";
}

}  // namespace pirumo
