#include "history/import/bundledhistory.h"

#include <algorithm>
#include <system_error>
#include <vector>

#include "base/systemreason.h"
#include "history/historyerror.h"
#include "history/import/historycsv.h"
#include "history/store/historyfile.h"

namespace pirumo {

namespace fs = std::filesystem;

namespace {

BundledHistory Summarise(const std::vector<Draw>& rows) {
    BundledHistory summary;
    summary.draws = static_cast<int>(rows.size());
    const auto [first, last] = std::minmax_element(
        rows.begin(), rows.end(),
        [](const Draw& a, const Draw& b) { return a.drawNumber < b.drawNumber; });
    summary.firstDraw = first->drawNumber;
    summary.lastDraw = last->drawNumber;
    return summary;
}

}  // namespace

std::string BundledHistory::RangeText() const {
    return "第" + std::to_string(firstDraw) + "回〜第" + std::to_string(lastDraw) + "回";
}

BundledHistory ReadBundledHistory(const fs::path& csv) {
    return Summarise(ReadCsvHistoryFile(csv));
}

BundledHistory CreateHistoryFromBundled(const fs::path& csv, const fs::path& file) {
    std::error_code ec;
    if (fs::exists(file, ec)) {
        throw HistoryError("当選データファイル「" + file.string() + "」は既に存在します。");
    }
    const std::vector<Draw> rows = ReadCsvHistoryFile(csv);
    if (file.has_parent_path()) {
        fs::create_directories(file.parent_path(), ec);
        if (ec) {
            throw HistoryError("フォルダー「" + file.parent_path().string() +
                               "」を作成できません（" +
                               SystemReason(ec.value(), FileAccess::kWrite) + "）。");
        }
    }
    ReplaceHistoryFile(file, rows);
    return Summarise(rows);
}

}  // namespace pirumo
