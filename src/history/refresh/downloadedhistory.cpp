#include "history/refresh/downloadedhistory.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "base/atomicfile.h"
#include "base/fileerror.h"
#include "base/japanesetext.h"
#include "base/temporaryfolder.h"
#include "history/drawfields.h"
#include "history/historyerror.h"
#include "history/import/accesssignature.h"
#include "history/import/csvdraws.h"
#include "history/store/historyfile.h"

namespace pirumo {

namespace {

// Error pages of web servers and captive portals; only asked after the body failed to read,
// because an encrypted file starts with random bytes that may well be '<'.
bool LooksLikeWebPage(const std::string& body) {
    std::string head = body.substr(0, 1024);
    std::transform(head.begin(), head.end(), head.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const auto start = head.find_first_not_of(" \t\r\n\xEF\xBB\xBF");
    if (start == std::string::npos || head[start] != '<') {
        return false;
    }
    return head.find("<html", start) != std::string::npos ||
           head.find("<!doctype", start) != std::string::npos ||
           head.find("<body", start) != std::string::npos ||
           head.find("<head", start) != std::string::npos;
}

[[noreturn]] void RefuseWebPage() {
    throw HistoryError(
        "受信したデータは当選データファイルではなく、Webページ（HTML）です。"
        "ダウンロード元のURLが正しいか確認してください。");
}

// CSV text, UTF-8 or CP932: no NUL byte and decodable. The encrypted format is random bytes,
// which are neither.
bool LooksLikeText(const std::string& body) {
    return body.find('\0') == std::string::npos && DecodeJapaneseText(body).has_value();
}

std::vector<Draw> ReadCsvBody(const std::string& body) {
    if (LooksLikeWebPage(body)) {
        RefuseWebPage();
    }
    try {
        return ParseCsvHistory(body);
    } catch (const HistoryError& e) {
        throw HistoryError(std::string("受信したCSVデータの") + e.what());
    }
}

std::vector<Draw> ReadEncryptedBody(const std::string& body) {
    try {
        return ReadHistoryRowsFromBytes(body);
    } catch (const HistoryError& e) {
        if (LooksLikeWebPage(body)) {
            RefuseWebPage();
        }
        throw;
    }
}

// The reader's messages name the private copy; the user knows it as the download. A message
// that starts with the copy's name is the reader's own about the file as a whole.
std::string NameTheDownload(std::string message, const std::filesystem::path& copy) {
    const std::string named = "ファイル「" + copy.string() + "」";
    if (message.starts_with(named)) {
        message.replace(0, named.size(), "ダウンロードしたファイル");
    }
    const std::string quoted = "「" + copy.string() + "」";
    if (const auto at = message.find(quoted); at != std::string::npos) {
        message.erase(at, quoted.size());
    }
    return message;
}

std::vector<Draw> ReadAccessBody(const std::string& body, const AccessReader& access) {
    std::optional<TemporaryFolder> folder;
    std::filesystem::path download;
    try {
        folder.emplace();
        download = folder->Path() / "download.mdb";
        WriteFileAtomically(download, body);
    } catch (const FileError& e) {
        throw HistoryError("ダウンロードしたファイルを一時フォルダーに書けません。\n" +
                           std::string(e.what()));
    }
    try {
        return access.Read(download);
    } catch (const HistoryError& e) {
        throw HistoryError(NameTheDownload(e.what(), download));
    }
}

}  // namespace

std::vector<Draw> ReadDownloadedHistory(const std::string& body, const AccessReader& access) {
    if (body.empty()) {
        throw HistoryError("受信したデータが空です（0バイト）。");
    }
    std::vector<Draw> rows = LooksLikeAccessFile(body) ? ReadAccessBody(body, access)
                             : LooksLikeText(body)     ? ReadCsvBody(body)
                                                       : ReadEncryptedBody(body);
    CheckStoredDraws(rows, "受信した当選データ");
    return rows;
}

}  // namespace pirumo
