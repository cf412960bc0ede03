#include <cstdint>
#include <cstdio>
#include <string>

#include "base/standardstreams.h"
#include "cli/clicommand.h"
#include "history/historyerror.h"
#include "history/refresh/downloadsource.h"
#include "history/refresh/historyrefresh.h"
#include "isolation/isolatedaccessreader.h"
#include "net/historytransfer.h"

namespace pirumo::cli {

namespace {

constexpr int kRefusedExitCode = 3;

std::string Unchanged(const std::string& cause) {
    return cause + "\n当選データファイルは変更していません。";
}

std::string SourceUrl(const CliContext& context) {
    if (context.Has("url")) {
        const std::string url = context.Option("url");
        if (const std::string problem = RefreshSourceProblem(url); !problem.empty()) {
            throw CliError{problem + ": " + url, 2};
        }
        return url;
    }
    if (context.Has("save-url")) {
        throw CliError{"--save-url は --url と一緒に指定してください。", 2};
    }
    const std::string url = ResolveDownloadUrl(context.settings, PIRUMO_DOWNLOAD_HOST);
    if (url.empty()) {
        throw CliError{NoDownloadSourceMessage() +
                       "\npirumo-cli では --url URL --save-url で設定できます。"};
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

// Refuses, unless forced, a download that skips draws or would lose local ones; then replaces.
void Apply(const CliContext& context, const RefreshPlan& plan, bool force) {
    const std::string missing = DescribeMissingDraws(plan);
    const std::string doubts =
        (missing.empty() ? "" : "警告: " + missing) + DescribeRefreshLoss(plan, SIZE_MAX);
    if (plan.NeedsConfirmation()) {
        if (!force) {
            throw CliError{Unchanged(doubts + "--force を付けると、このまま最新化します。"),
                           kRefusedExitCode};
        }
        std::fputs(doubts.c_str(), stderr);
    }
    ApplyHistoryRefresh(context.db, plan);
    std::printf("%s\n元のファイルは「%s.bak」に残しています。\n", RefreshDoneMessage(plan).c_str(),
                context.db.string().c_str());
    PrintTicketResults(context, plan.addedDraws);
}

int RunUpdate(const CliContext& context) {
    RefuseArguments(context, "update");
    try {
        CheckRefreshTarget(context.db);
    } catch (const HistoryError& e) {
        throw CliError{e.what()};
    }
    const std::string url = SourceUrl(context);
    try {
        const std::string body = Download(url);
        const RefreshPlan plan =
            PlanHistoryRefresh(context.db, body, IsolatedAccessReader(DefaultCliPath()));
        const bool force = context.Has("force");
        // --force takes the download as it is, even when it only loses draws.
        if (plan.BringsNothingNew() && !(force && plan.NeedsConfirmation())) {
            std::printf("%s\n", NothingNewMessage(plan).c_str());
        } else {
            Apply(context, plan, force);
        }
    } catch (const HistoryError& e) {
        throw CliError{Unchanged(e.what())};
    }
    // Saved only once the source has given a history this program accepts.
    if (context.Has("save-url")) {
        try {
            SaveRefreshSource(context.settings, url);
        } catch (const HistoryError& e) {
            throw CliError{e.what()};
        }
        std::printf("最新化のURLを「%s」に保存しました。\n", context.settings.string().c_str());
    }
    return 0;
}

}  // namespace

CliCommand UpdateCommand() {
    return {"update",
            "[--url URL [--save-url]] [--ini FILE] [--force]",
            {"url", "save-url", "ini", "force"},
            RunUpdate};
}

}  // namespace pirumo::cli
