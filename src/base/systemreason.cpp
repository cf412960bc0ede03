#include "base/systemreason.h"

#include <cerrno>

namespace pirumo {

std::string SystemReason(int error, FileAccess access) {
    const bool writing = access == FileAccess::kWrite;
    switch (error) {
        case EACCES:
        case EPERM:
            return writing ? "書き込みの権限がありません" : "読み込みの権限がありません";
        case ENOENT:
            // Creating a file fails with ENOENT only when its folder is missing.
            return writing ? "フォルダーがありません" : "ファイルがありません";
        case ENOTDIR:
            return "フォルダーがありません";
        case EISDIR:
            return "フォルダーです";
        case ENOSPC:
        case EDQUOT:
            return "ディスクがいっぱいです";
        case EROFS:
            return "読み取り専用のディスクです";
        case ENAMETOOLONG:
            return "名前が長すぎます";
        case EIO:
            return "ディスクの読み書きに失敗しました";
        case ELOOP:
            return "リンクが循環しています";
        case EMFILE:
        case ENFILE:
            return "開いているファイルが多すぎます";
        case ENOMEM:
            return "メモリが足りません";
        case EBUSY:
        case ETXTBSY:
        case EWOULDBLOCK:
            return "使用中です";
        case EEXIST:
            return "既にあります";
        case EFBIG:
            return "大きすぎます";
        case ENXIO:
        case ENODEV:
            return "装置がありません";
        case EPIPE:
            return "書き込み先が閉じられました";
        default:
            return "エラー番号 " + std::to_string(error);
    }
}

}  // namespace pirumo
