#include "history/import/bundledhistory.h"

#include <algorithm>
#include <system_error>

#include "base/systemreason.h"
#include "history/historyerror.h"
#include "history/import/historycsv.h"
#include "history/store/historyfile.h"

namespace pirumo {

namespace fs = std::filesystem;

std::string BundledHistory::RangeText() const {
    const auto [first, last] = std::minmax_element(
        draws.begin(), draws.end(),
        [](const Draw& a, const Draw& b) { return a.drawNumber < b.drawNumber; });
    return "第" + std::to_string(first->drawNumber) + "回〜第" + std::to_string(last->drawNumber) +
           "回";
}

BundledHistory ReadBundledHistory(const fs::path& csv) {
    return {ReadCsvHistoryFile(csv)};
}

DrawHistory CreateHistoryFromBundled(const BundledHistory& bundled, const fs::path& file) {
    if (file.has_parent_path()) {
        std::error_code ec;
        fs::create_directories(file.parent_path(), ec);
        if (ec) {
            throw HistoryError("フォルダー「" + file.parent_path().string() +
                               "」を作成できません（" +
                               SystemReason(ec.value(), FileAccess::kWrite) + "）。");
        }
    }
    return CreateHistoryFile(file, bundled.draws);
}

}  // namespace pirumo
