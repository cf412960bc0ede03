#include "history/import/importsource.h"

#include <fstream>
#include <string>
#include <vector>

#include "base/fileerror.h"
#include "base/inputfile.h"
#include "history/drawfields.h"
#include "history/historyerror.h"
#include "history/import/accesshistory.h"
#include "history/import/accessimport.h"
#include "history/import/historycsv.h"
#include "history/store/historyfile.h"

namespace pirumo {

namespace {

// Enough for the Jet signature and version.
constexpr std::size_t kHeadSize = 64;

std::string ReadHead(const std::filesystem::path& file) {
    const std::string label = "取り込むファイル「" + file.string() + "」";
    try {
        CheckInputFile(file, label);
    } catch (const FileError& e) {
        throw HistoryError(e.what());
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        throw HistoryError(label + "を開けません。");
    }
    std::string head(kHeadSize, '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(in.gcount()));
    return head;
}

int RestoreHistoryFile(const std::filesystem::path& source,
                       const std::filesystem::path& historyFile) {
    // A restored sample history stays marked as one.
    const DrawHistory restored = OpenDrawHistory(source);
    std::vector<Draw> rows = restored.Rows();
    CheckStoredDraws(rows, "当選データファイル「" + source.string() + "」");
    ReplaceHistoryFile(historyFile, rows,
                       restored.IsSample() ? HistoryKind::kSample : HistoryKind::kPublished);
    return static_cast<int>(rows.size());
}

}  // namespace

ImportSource RecogniseImportSource(const std::filesystem::path& file) {
    const std::string head = ReadHead(file);
    if (LooksLikeAccessFile(head)) {
        return ImportSource::kAccessFile;
    }
    // The encrypted file has no signature of its own: it is ours when our key opens it. An
    // empty file would open as an empty database, but it is an empty CSV.
    if (!head.empty() && IsHistoryFile(file)) {
        return ImportSource::kHistoryFile;
    }
    return ImportSource::kCsvFile;
}

int ImportHistory(const std::filesystem::path& source, const std::filesystem::path& historyFile) {
    switch (RecogniseImportSource(source)) {
        case ImportSource::kHistoryFile:
            return RestoreHistoryFile(source, historyFile);
        case ImportSource::kAccessFile:
            return ImportAccessHistory(source, historyFile);
        case ImportSource::kCsvFile:
            break;
    }
    return ImportCsvHistory(source, historyFile);
}

}  // namespace pirumo
