#include "history/downloadedhistory.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "history/historyerror.h"
#include "history/historyfile.h"

namespace pirumo {

namespace {

// A Jet 3/4 or ACE database starts with this page signature and engine name.
bool StartsLikeJetFile(const std::string& body) {
    constexpr std::string_view kMagic("\x00\x01\x00\x00", 4);
    if (body.size() < 19 || std::string_view(body).substr(0, 4) != kMagic) {
        return false;
    }
    const std::string_view engine = std::string_view(body).substr(4, 15);
    return engine == "Standard Jet DB" || engine == "Standard ACE DB";
}

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

std::vector<Draw> ReadAccessBody(const std::string&) {
    throw HistoryError(
        "受信したデータはAccess形式（Jet）のファイルですが、この版のピルモはAccess形式の"
        "当選データをまだ読み込めません。");
}

std::vector<Draw> ReadEncryptedBody(const std::string& body) {
    try {
        return ReadHistoryRowsFromBytes(body);
    } catch (const HistoryError& e) {
        if (LooksLikeWebPage(body)) {
            throw HistoryError(
                "受信したデータは当選データファイルではなく、Webページ（HTML）です。"
                "ダウンロード元のURLが正しいか確認してください。");
        }
        throw;
    }
}

}  // namespace

std::vector<Draw> ReadDownloadedHistory(const std::string& body) {
    if (body.empty()) {
        throw HistoryError("受信したデータが空です（0バイト）。");
    }
    std::vector<Draw> rows =
        StartsLikeJetFile(body) ? ReadAccessBody(body) : ReadEncryptedBody(body);
    if (std::none_of(rows.begin(), rows.end(), IsValidDraw)) {
        throw HistoryError(
            "受信した当選データには、6つの数字がすべてそろった有効な当選データが1件もありません。");
    }
    return rows;
}

}  // namespace pirumo
