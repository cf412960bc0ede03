#include "history/import/isolatedimport.h"

#include "base/atomicfile.h"
#include "base/childprocess.h"
#include "base/fileerror.h"
#include "base/programfolder.h"
#include "base/temporaryfolder.h"
#include "history/historyerror.h"
#include "history/store/historyfile.h"

namespace pirumo {

namespace fs = std::filesystem;

namespace {

std::string LastLine(const std::string& text) {
    const auto end = text.find_last_not_of("\r\n \t");
    if (end == std::string::npos) {
        return {};
    }
    const auto start = text.find_last_of('\n', end);
    return text.substr(start == std::string::npos ? 0 : start + 1, end - start);
}

// `name` stands for the source file in the messages about a crash or a time-out.
void RunImport(const fs::path& cli, const fs::path& sourceFile, const fs::path& historyFile,
               std::chrono::seconds limit, const std::string& name) {
    ChildOutcome outcome;
    try {
        outcome = RunChildProcess(
            {cli.string(), "--db", historyFile.string(), "import", sourceFile.string()}, limit);
    } catch (const FileError& e) {
        throw HistoryError(e.what());
    }
    if (outcome.timedOut) {
        throw HistoryError(name + "の取り込みが" + std::to_string(limit.count()) +
                           "秒で終わらないため中止しました。ファイルが壊れている可能性があります。"
                           "履歴ファイルは変更していません。");
    }
    if (outcome.signal != 0) {
        throw HistoryError(name + "の取り込み中に読み込み処理が異常終了しました（シグナル " +
                           std::to_string(outcome.signal) +
                           "）。ファイルが壊れている可能性があります。履歴ファイルは変更して"
                           "いません。");
    }
    if (outcome.exitCode != 0) {
        std::string message = LastLine(outcome.errorText);
        const std::string prefix = cli.filename().string() + ": ";
        if (message.starts_with(prefix)) {
            message.erase(0, prefix.size());
        }
        throw HistoryError(message.empty() ? name + "を取り込めませんでした。" : message);
    }
}

}  // namespace

fs::path DefaultCliPath() {
    return ProgramFolder() / "pirumo-cli";
}

int ImportHistoryInChildProcess(const fs::path& cli, const fs::path& sourceFile,
                                const fs::path& historyFile, std::chrono::seconds limit) {
    RunImport(cli, sourceFile, historyFile, limit, "ファイル「" + sourceFile.string() + "」");
    return static_cast<int>(ReadHistoryRows(historyFile).size());
}

std::vector<Draw> ReadAccessHistoryRowsInChildProcess(const fs::path& cli, const std::string& bytes,
                                                      std::chrono::seconds limit) {
    std::optional<TemporaryFolder> folder;
    fs::path download;
    try {
        folder.emplace();
        download = folder->Path() / "download.mdb";
        WriteFileAtomically(download, bytes);
    } catch (const FileError& e) {
        throw HistoryError("ダウンロードしたファイルを一時フォルダーに書けません。\n" +
                           std::string(e.what()));
    }
    const fs::path history = folder->Path() / "history.mdb";
    try {
        RunImport(cli, download, history, limit, "ダウンロードしたファイル");
    } catch (const HistoryError& e) {
        // The child names the private copy; the user knows it as the download.
        std::string message = e.what();
        const std::string copy = "「" + download.string() + "」";
        if (const auto at = message.find(copy); at != std::string::npos) {
            message.erase(at, copy.size());
        }
        throw HistoryError(message);
    }
    return ReadHistoryRows(history);
}

}  // namespace pirumo
