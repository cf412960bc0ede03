#include "history/refresh/downloadsource.h"

#include <cstdlib>

namespace pirumo {

std::string ResolveDownloadUrl(const std::string& builtInHost) {
    const char* overridden = std::getenv("PIRUMO_DOWNLOAD_URL");
    if (overridden != nullptr && *overridden != '\0') {
        return overridden;
    }
    if (builtInHost.empty()) {
        return {};
    }
    return "http://" + builtInHost + "/download/Pirumo/Pirumo.mdb";
}

std::string NoDownloadSourceMessage() {
    return "当選データのダウンロード元が設定されていません。\n"
           "環境変数 PIRUMO_DOWNLOAD_URL にダウンロード元のURLを設定するか、"
           "CMake の PIRUMO_DOWNLOAD_HOST にサーバー名を指定してビルドしてください。";
}

}  // namespace pirumo
