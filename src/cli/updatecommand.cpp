#include <cstdint>
#include <cstdio>
#include <string>

#include "base/standardstreams.h"
#include "cli/clicommand.h"
#include "history/historyerror.h"
#include "history/import/isolatedimport.h"
#include "history/refresh/downloadsource.h"
#include "history/refresh/historyrefresh.h"
#include "net/historytransfer.h"

namespace pirumo::cli {

namespace {

constexpr int kRefusedExitCode = 3;

std::string Unchanged(const std::string& cause) {
    return cause + "\n当選データファイルは変更していません。";
}

std::string SourceUrl(const CliContext& context) {
    const std::string url =
        context.Has("url") ? context.Option("url") : ResolveDownloadUrl(PIRUMO_DOWNLOAD_HOST);
    if (url.empty()) {
        throw CliError{NoDownloadSourceMessage() + "\nまたは --url URL で指定してください。"};
    }
    return url;
}

// On a terminal only, so that scripts and logs get the result lines alone.
void ShowProgress(qint64 received, qint64 total) {
    if (total > 0) {
        std::fprintf(stderr, "\r受信中 %lld / %lld バイト", static_cast<long long>(received),
                     static_cast<long long>(total));
    } else {
        std::fprintf(stderr, "\r受信中 %lld バイト", static_cast<long long>(received));
    }
}

std::string Download(const std::string& url) {
    HistoryTransfer transfer;
    const bool terminal = StandardErrorIsTerminal();
    if (terminal) {
        transfer.onProgress = ShowProgress;
    }
    const bool ok = transfer.Run(url);
    if (terminal) {
        std::fputs("\n", stderr);
    }
    if (!ok) {
        throw CliError{Unchanged(transfer.Error())};
    }
    return transfer.Body();
}

int RunUpdate(const CliContext& context) {
    RefuseArguments(context, "update");
    try {
        CheckRefreshTarget(context.db);
    } catch (const HistoryError& e) {
        throw CliError{e.what()};
    }
    try {
        const std::string body = Download(SourceUrl(context));
        const RefreshPlan plan = PlanHistoryRefresh(context.db, body, DefaultCliPath());
        if (plan.NeedsConfirmation()) {
            const std::string loss = DescribeRefreshLoss(plan, SIZE_MAX);
            if (!context.Has("force")) {
                throw CliError{
                    Unchanged(loss + "--force を付けると、これらを失っても最新化します。"),
                    kRefusedExitCode};
            }
            std::fputs(loss.c_str(), stderr);
        }
        ApplyHistoryRefresh(context.db, plan);
        std::printf(
            "当選データを最新化しました。（有効な当選データ %d 回分、最終 第%d回）\n"
            "元のファイルは「%s.bak」に残しています。\n",
            plan.validDrawCount, plan.lastDrawNumber, context.db.string().c_str());
        return 0;
    } catch (const HistoryError& e) {
        throw CliError{Unchanged(e.what())};
    }
}

}  // namespace

CliCommand UpdateCommand() {
    return {"update", "[--url URL] [--force]", {"url", "force"}, RunUpdate};
}

}  // namespace pirumo::cli
