#include "history/refresh/historyrefresh.h"

#include <algorithm>
#include <system_error>
#include <unordered_map>
#include <unordered_set>

#include "history/drawcaption.h"
#include "history/historyerror.h"
#include "history/prizefields.h"
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

namespace {

// Fills the plan's comparison with the local history `local`.
void CompareWithLocal(RefreshPlan& plan, const DrawHistory& local) {
    plan.localIsSample = local.IsSample();
    plan.localLastDrawNumber = local.LastDrawNumber();
    plan.droppedDraws = FindDroppedDraws(local.Rows(), plan.rows);
    std::unordered_map<int, const Draw*> localByNumber;
    for (const Draw& d : local.Rows()) {
        localByNumber.emplace(d.drawNumber, &d);
    }
    for (const Draw& d : plan.rows) {
        const auto found = localByNumber.find(d.drawNumber);
        if (found == localByNumber.end()) {
            plan.addedDraws.push_back(d);
        } else if (!(*found->second == d)) {
            ++plan.correctedDrawCount;
        }
    }
    // Published files often list the newest draw first.
    std::sort(plan.addedDraws.begin(), plan.addedDraws.end(),
              [](const Draw& a, const Draw& b) { return a.drawNumber < b.drawNumber; });
}

// Draw numbers between the download's first and last that it lacks; a gap the local history
// shares below its newest draw is an old one the user already lives with.
void FindMissingDraws(RefreshPlan& plan, const std::vector<Draw>& local) {
    std::unordered_set<int> downloaded;
    int first = plan.rows.front().drawNumber;
    int last = first;
    for (const Draw& d : plan.rows) {
        downloaded.insert(d.drawNumber);
        first = std::min(first, d.drawNumber);
        last = std::max(last, d.drawNumber);
    }
    std::unordered_set<int> held;
    for (const Draw& d : local) {
        held.insert(d.drawNumber);
    }
    for (int n = first + 1; n < last; ++n) {
        if (!downloaded.contains(n) && (n > plan.localLastDrawNumber || held.contains(n))) {
            plan.missingDrawNumbers.push_back(n);
        }
    }
}

// "第1354回、第1360回〜第1362回": consecutive numbers as one range, at most maxRanges of them.
std::string NumberRanges(const std::vector<int>& numbers, std::size_t maxRanges) {
    std::string text;
    std::size_t ranges = 0;
    for (std::size_t i = 0; i < numbers.size();) {
        std::size_t end = i;
        while (end + 1 < numbers.size() && numbers[end + 1] == numbers[end] + 1) {
            ++end;
        }
        if (ranges++ == maxRanges) {
            return text + " ほか";
        }
        text += text.empty() ? "" : "、";
        text += "第" + std::to_string(numbers[i]) + "回";
        if (end > i) {
            text += "〜第" + std::to_string(numbers[end]) + "回";
        }
        i = end + 1;
    }
    return text;
}

std::string AddedDrawsText(const std::vector<Draw>& added) {
    if (added.size() > 3) {
        return DrawCaption(added.front()) + "から" + DrawCaption(added.back()) + "までの " +
               std::to_string(added.size()) + " 回分を追加しました。";
    }
    std::string text;
    for (std::size_t i = 0; i < added.size(); ++i) {
        text += i == 0 ? "" : i + 1 == added.size() ? "と" : "、";
        text += DrawCaption(added[i]);
    }
    return text + "を追加しました。";
}

}  // namespace

RefreshPlan PlanHistoryRefresh(const fs::path& target, const std::string& body,
                               const AccessReader& access) {
    CheckRefreshTarget(target);
    RefreshPlan plan;
    plan.rows = ReadDownloadedHistory(body, access);
    for (const Draw& d : plan.rows) {
        if (IsValidDraw(d)) {
            plan.lastDrawNumber = std::max(plan.lastDrawNumber, d.drawNumber);
        }
    }
    try {
        const DrawHistory local = OpenDrawHistory(target);
        KeepStoredPrizes(local.Rows(), plan.rows);
        CompareWithLocal(plan, local);
        FindMissingDraws(plan, local.Rows());
    } catch (const HistoryError& e) {
        plan.localReadError = e.what();
        FindMissingDraws(plan, {});
    }
    return plan;
}

std::string DescribeMissingDraws(const RefreshPlan& plan) {
    if (plan.missingDrawNumbers.empty()) {
        return {};
    }
    return "受信したデータは途中の回が抜けています: " + NumberRanges(plan.missingDrawNumbers, 5) +
           "（" + std::to_string(plan.missingDrawNumbers.size()) + " 回分）\n";
}

std::string DescribeRefreshLoss(const RefreshPlan& plan, std::size_t maxLines) {
    if (!plan.localReadError.empty()) {
        return "現在の当選データファイルを読めないため、最新データと比べられません。\n" +
               plan.localReadError + "\n";
    }
    if (plan.droppedDraws.empty()) {
        return {};
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
    const std::string newest = "（最新 第" + std::to_string(plan.lastDrawNumber) + "回）";
    if (!plan.localReadError.empty()) {
        return "当選データを受信したデータで置き換えました" + newest + "。";
    }
    if (!plan.addedDraws.empty()) {
        return AddedDrawsText(plan.addedDraws);
    }
    if (plan.correctedDrawCount > 0) {
        return "新しい回はありません。" + std::to_string(plan.correctedDrawCount) +
               " 回分を受信したデータに合わせて直しました" + newest + "。";
    }
    return "新しい回はありません。当選データを受信したデータで置き換えました" + newest + "。";
}

std::string NothingNewMessage(const RefreshPlan& plan) {
    std::string text = "新しい回はありません";
    if (plan.localLastDrawNumber > 0) {
        text += "（最新 第" + std::to_string(plan.localLastDrawNumber) + "回）";
    }
    text += "。";
    if (!plan.droppedDraws.empty()) {
        std::vector<int> kept;
        for (const DroppedDraw& d : plan.droppedDraws) {
            kept.push_back(d.local.drawNumber);
        }
        text += "\n受信したデータにない" + NumberRanges(kept, 5) + "は、今のまま残しています。";
    }
    return text;
}

}  // namespace pirumo
