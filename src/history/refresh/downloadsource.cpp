#include "history/refresh/downloadsource.h"

#include <cstdlib>
#include <optional>
#include <string_view>
#include <system_error>

#include "base/atomicfile.h"
#include "base/fileerror.h"
#include "base/inputfile.h"
#include "base/japanesetext.h"
#include "base/settingslines.h"
#include "history/historyerror.h"

namespace pirumo {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kSourceKey = "最新化URL";

// The settings file's bytes; empty when there is none. Throws HistoryError when it cannot be read.
std::string ReadSettings(const fs::path& file) {
    try {
        return ReadInputFileIfPresent(file, "設定ファイル「" + file.string() + "」")
            .value_or(std::string());
    } catch (const FileError& e) {
        throw HistoryError(e.what());
    }
}

// The value of a source line (in UTF-8), or nullopt for any other line.
std::optional<std::string> SourceOf(const SettingsLine& line) {
    if (!line.decoded || !line.text.starts_with(std::string(kSourceKey) + "=")) {
        return std::nullopt;
    }
    return line.text.substr(kSourceKey.size() + 1);
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        const char c = text[i];
        if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c) != prefix[i]) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string ResolveDownloadUrl(const fs::path& settingsFile, const std::string& builtInHost) {
    if (std::string saved = ReadRefreshSource(settingsFile); !saved.empty()) {
        return saved;
    }
    const char* overridden = std::getenv("PIRUMO_DOWNLOAD_URL");
    if (overridden != nullptr && *overridden != '\0') {
        return overridden;
    }
    if (builtInHost.empty()) {
        return {};
    }
    return "http://" + builtInHost + "/download/Pirumo/Pirumo.mdb";
}

std::string ReadRefreshSource(const fs::path& settingsFile) {
    std::string bytes;
    try {
        bytes = ReadSettings(settingsFile);
    } catch (const HistoryError&) {
        return {};  // the options' reader reports an unreadable file
    }
    std::string source;
    for (const SettingsLine& line : SplitSettingsLines(bytes)) {
        if (auto value = SourceOf(line)) {
            source = std::move(*value);  // the later line wins, as for the options
        }
    }
    return source;
}

std::string RefreshSourceProblem(const std::string& url) {
    std::string_view rest = url;
    if (StartsWithIgnoringCase(rest, "http://")) {
        rest.remove_prefix(7);
    } else if (StartsWithIgnoringCase(rest, "https://")) {
        rest.remove_prefix(8);
    } else {
        return "URLは http:// か https:// で始めてください。";
    }
    if (rest.empty() || rest.front() == '/') {
        return "URLにサーバー名がありません。";
    }
    for (const char c : url) {
        if (static_cast<unsigned char>(c) <= ' ' || c == 0x7F) {
            return "URLに空白や制御文字は使えません。";
        }
    }
    if (!Utf8ToCp932(url)) {
        return "URLに設定ファイルに保存できない文字が含まれています。";
    }
    return {};
}

void SaveRefreshSource(const fs::path& settingsFile, const std::string& url) {
    if (!url.empty()) {
        if (const std::string problem = RefreshSourceProblem(url); !problem.empty()) {
            throw HistoryError(problem);
        }
    }
    std::string bytes;
    for (const SettingsLine& line : SplitSettingsLines(ReadSettings(settingsFile))) {
        if (SourceOf(line)) {
            continue;
        }
        const auto kept = SettingsLineBytes(line);
        if (!kept) {
            throw HistoryError("設定ファイルの行「" + line.text +
                               "」はCP932で保存できない文字を含むため、URLを保存しませんでした。");
        }
        bytes += *kept + "\r\n";
    }
    if (!url.empty()) {
        bytes += *Utf8ToCp932(std::string(kSourceKey) + "=" + url) + "\r\n";
    }
    std::error_code ignored;  // a folder that cannot be made fails the write below
    if (settingsFile.has_parent_path()) {
        fs::create_directories(settingsFile.parent_path(), ignored);
    }
    try {
        WriteFileAtomically(settingsFile, bytes);
    } catch (const std::runtime_error& error) {
        throw HistoryError("最新化のURLを設定ファイル「" + settingsFile.string() +
                           "」に保存できませんでした。" + error.what());
    }
}

std::string NoDownloadSourceMessage() {
    return "当選データの最新化に使うURLが設定されていません。\n"
           "メニューの「データ管理」→「最新化のURL設定」で、当選データを公開しているURL"
           "（CSVファイルなど）を設定してください。";
}

}  // namespace pirumo
