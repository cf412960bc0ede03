#include "history/import/historycsv.h"

#include <algorithm>
#include <stdexcept>

#include "base/fileerror.h"
#include "base/inputfile.h"
#include "base/outputfile.h"
#include "history/historyerror.h"
#include "history/import/csvrecords.h"
#include "history/prizefields.h"

namespace pirumo {

namespace fs = std::filesystem;

namespace {

std::string ReadWholeFile(const fs::path& file) {
    try {
        return ReadInputFile(file, "CSVファイル「" + file.string() + "」");
    } catch (const FileError& e) {
        throw HistoryError(e.what());
    }
}

}  // namespace

std::vector<Draw> ReadCsvHistoryFile(const fs::path& csv) {
    return ParseCsvHistoryBytes(ReadWholeFile(csv), csv);
}

std::vector<Draw> ParseCsvHistoryBytes(const std::string& bytes, const fs::path& csv) {
    try {
        return ParseCsvHistory(bytes);
    } catch (const HistoryError& e) {
        throw HistoryError("CSVファイル「" + csv.string() + "」の" + e.what());
    }
}

std::string FormatCsvHistory(const std::vector<StoredRow>& rows) {
    const bool withPrizes =
        std::any_of(rows.begin(), rows.end(), [](const StoredRow& row) { return row.prizes; });
    std::string out = "\xEF\xBB\xBF回数,開催日";
    for (const char* name : kNumberFieldNames) {
        out += ',';
        out += name;
    }
    if (withPrizes) {
        for (const char* name : kPrizeColumnNames) {
            out += ',';
            out += name;
        }
    }
    out += "\r\n";
    for (const StoredRow& row : rows) {
        out += std::to_string(row.drawNumber);
        out += ',';
        out += QuoteCsvField(row.date.value_or(std::string()));
        for (const auto& n : row.numbers) {
            out += ',';
            if (n) {
                out += std::to_string(*n);
            }
        }
        for (int c = 0; withPrizes && c < kPrizeColumnCount; ++c) {
            out += ',';
            if (row.prizes) {
                out += std::to_string(PrizeColumnValue(*row.prizes, c));
            }
        }
        out += "\r\n";
    }
    return out;
}

int ExportCsvHistory(const fs::path& historyFile, const fs::path& csv) {
    const std::vector<StoredRow> rows = HistoryFileEditor(historyFile).ReadAll();
    try {
        WriteOutputFile(csv, FormatCsvHistory(rows));
    } catch (const std::runtime_error& e) {
        throw HistoryError(e.what());
    }
    return static_cast<int>(rows.size());
}

}  // namespace pirumo
