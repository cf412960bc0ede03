#include "history/import/importsource.h"

#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "base/fileerror.h"
#include "base/inputfile.h"
#include "history/drawfields.h"
#include "history/historyerror.h"
#include "history/import/accesshistory.h"
#include "history/import/historycsv.h"
#include "history/import/nontextfile.h"
#include "history/prizefields.h"
#include "history/store/historyfile.h"

namespace pirumo {

namespace {

std::string ReadSource(const std::filesystem::path& file) {
    try {
        return ReadInputFile(file, "取り込むファイル「" + file.string() + "」");
    } catch (const FileError& e) {
        throw HistoryError(e.what());
    }
}

CheckedImport Restore(const std::filesystem::path& source, const DrawHistory& restored) {
    std::vector<Draw> rows = restored.Rows();
    CheckStoredDraws(rows, "当選データファイル「" + source.string() + "」");
    return {ImportSource::kHistoryFile, std::move(rows),
            restored.IsSample() ? HistoryKind::kSample : HistoryKind::kPublished};
}

bool StatedSizeIs(const std::filesystem::path& file, std::size_t size) {
    std::error_code ec;
    const std::uintmax_t stated = std::filesystem::file_size(file, ec);
    return !ec && stated == size;
}

// Most sources carry no prize data; the draws they repeat keep what the history holds. A history
// that cannot be read has nothing to keep, and is replaced as before.
void KeepPrizesOf(const std::filesystem::path& historyFile, std::vector<Draw>& rows) {
    std::error_code ec;
    if (!std::filesystem::exists(historyFile, ec)) {
        return;
    }
    try {
        KeepStoredPrizes(ReadHistoryRows(historyFile), rows);
    } catch (const HistoryError&) {
        return;  // the replacement goes ahead, as it does for any unreadable history
    }
}

}  // namespace

CheckedImport CheckImportSource(const std::filesystem::path& source, const AccessReader& access) {
    const std::string bytes = ReadSource(source);
    if (LooksLikeAccessFile(bytes)) {
        return {ImportSource::kAccessFile, access.Read(source), HistoryKind::kPublished};
    }
    // The encrypted file has no signature of its own: it is ours when our key opens it. An
    // empty file would open as an empty database, but it is an empty CSV; so would a file that
    // states no size (/proc/self/environ), which the database engine opens by name.
    if (!bytes.empty() && StatedSizeIs(source, bytes.size())) {
        if (const std::optional<DrawHistory> restored = OpenDrawHistoryIfOurs(source)) {
            return Restore(source, *restored);
        }
    }
    if (const std::optional<std::string> what = DescribeNonTextFile(bytes)) {
        throw HistoryError("取り込むファイル「" + source.string() + "」" + *what);
    }
    return {ImportSource::kCsvFile, ParseCsvHistoryBytes(bytes, source), HistoryKind::kPublished};
}

ImportedHistory ApplyImport(const CheckedImport& checked,
                            const std::filesystem::path& historyFile) {
    std::vector<Draw> rows = checked.rows;
    if (checked.kind == HistoryKind::kPublished) {
        KeepPrizesOf(historyFile, rows);
    }
    return {checked.source, ReplaceHistoryFile(historyFile, rows, checked.kind)};
}

ImportedHistory ImportHistory(const std::filesystem::path& source,
                              const std::filesystem::path& historyFile,
                              const AccessReader& access) {
    return ApplyImport(CheckImportSource(source, access), historyFile);
}

}  // namespace pirumo
