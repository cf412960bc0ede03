#include "history/refresh/downloadsource.h"

#include <cstdlib>
#include <optional>
#include <string_view>

#include "base/japanesetext.h"
#include "history/historyerror.h"
#include "history/settingvalue.h"

namespace pirumo {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kSourceKey = "最新化URL";

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
    return ReadSettingValue(settingsFile, kSourceKey).value_or(std::string());
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
    SaveSettingValue(settingsFile, kSourceKey, url.empty() ? std::nullopt : std::optional(url),
                     "最新化のURL");
}

std::string NoDownloadSourceMessage() {
    return "当選データの最新化に使うURLが設定されていません。\n"
           "メニューの「データ管理」→「最新化のURL設定」で、当選データを公開しているURL"
           "（CSVファイルなど）を設定してください。";
}

}  // namespace pirumo
