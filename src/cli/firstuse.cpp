#include <cstdio>
#include <set>
#include <system_error>

#include "cli/clicommand.h"
#include "history/historyerror.h"
#include "history/import/bundledhistory.h"

namespace pirumo::cli {

void CreateHistoryOnFirstUse(const CliContext& context, const std::string& command) {
    static const std::set<std::string> readers{"info",   "show",     "predict", "export",
                                               "update", "backtest", "check",   "tickets"};
    std::error_code ec;
    if (context.Has("db") || !readers.contains(command) || context.bundledHistory.empty() ||
        std::filesystem::exists(context.db, ec)) {
        return;
    }
    const BundledHistory bundled = ReadBundledHistory(context.bundledHistory);
    CreateHistoryFromBundled(bundled, context.db);
    std::fprintf(stderr, "同梱の当選データ（%s）から当選データファイルを作成しました: %s\n",
                 bundled.RangeText().c_str(), context.db.string().c_str());
}

}  // namespace pirumo::cli
