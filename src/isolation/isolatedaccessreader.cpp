#include "isolation/isolatedaccessreader.h"

#include <optional>
#include <string>

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

}  // namespace

IsolatedAccessReader::IsolatedAccessReader(fs::path cli, std::chrono::seconds limit)
    : mCli(std::move(cli)), mLimit(limit) {}

std::vector<Draw> IsolatedAccessReader::Read(const fs::path& file) const {
    const std::string name = "ファイル「" + file.string() + "」";
    std::optional<TemporaryFolder> folder;
    ChildOutcome outcome;
    try {
        folder.emplace();
        outcome = RunChildProcess(
            {mCli.string(), "read-access", file.string(), (folder->Path() / "draws.mdb").string()},
            mLimit);
    } catch (const FileError& e) {
        throw HistoryError(e.what());
    }
    if (outcome.timedOut) {
        throw HistoryError(name + "の取り込みが" + std::to_string(mLimit.count()) +
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
        const std::string prefix = mCli.filename().string() + ": ";
        if (message.starts_with(prefix)) {
            message.erase(0, prefix.size());
        }
        throw HistoryError(message.empty() ? name + "を取り込めませんでした。" : message);
    }
    return ReadHistoryRows(folder->Path() / "draws.mdb");
}

fs::path DefaultCliPath() {
    return ProgramFolder() / "pirumo-cli";
}

}  // namespace pirumo
