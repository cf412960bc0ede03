#include "history/import/historycsv.h"

#include <array>
#include <map>
#include <optional>
#include <stdexcept>

#include "base/fileerror.h"
#include "base/inputfile.h"
#include "base/japanesetext.h"
#include "base/outputfile.h"
#include "history/historyerror.h"
#include "history/import/csvrecords.h"

namespace pirumo {

namespace fs = std::filesystem;

namespace {

constexpr int kMaxDrawNumber = 32767;
constexpr const char* kNumberFields[Draw::kFieldCount] = {"第1数字", "第2数字", "第3数字",
                                                          "第4数字", "第5数字", "ボーナス数字"};

// Column roles; the names each role accepts in a header.
enum Role { kDrawNumber, kDate, kFirstNumber };  // kFirstNumber + f for number field f
constexpr int kRoleCount = kFirstNumber + Draw::kFieldCount;

std::optional<int> RoleOf(const std::string& name) {
    static const std::map<std::string, int> roles = {
        {"回数", kDrawNumber},
        {"開催回", kDrawNumber},
        {"回", kDrawNumber},
        {"日付", kDate},
        {"開催日", kDate},
        {"第1数字", kFirstNumber},
        {"第2数字", kFirstNumber + 1},
        {"第3数字", kFirstNumber + 2},
        {"第4数字", kFirstNumber + 3},
        {"第5数字", kFirstNumber + 4},
        {"ボーナス数字", kFirstNumber + 5},
        {"BONUS数字", kFirstNumber + 5},
        {"ボ数字", kFirstNumber + 5},
    };
    const auto it = roles.find(name);
    return it == roles.end() ? std::nullopt : std::optional<int>(it->second);
}

std::string Trimmed(const std::string& text) {
    constexpr std::string_view kIdeographicSpace = "\xE3\x80\x80";
    std::string_view s = text;
    while (true) {
        if (!s.empty() && (s.front() == ' ' || s.front() == '\t')) {
            s.remove_prefix(1);
        } else if (!s.empty() && (s.back() == ' ' || s.back() == '\t')) {
            s.remove_suffix(1);
        } else if (s.substr(0, 3) == kIdeographicSpace) {
            s.remove_prefix(3);
        } else if (s.size() >= 3 && s.substr(s.size() - 3) == kIdeographicSpace) {
            s.remove_suffix(3);
        } else {
            return std::string(s);
        }
    }
}

// A plain run of decimal digits within [low, high].
std::optional<int> ParseInteger(const std::string& text, int low, int high) {
    if (text.empty() || text.size() > 9) {
        return std::nullopt;
    }
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    if (value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

// "1999/4/13", "1999-04-13", "1999.04.13" and "1999年4月13日" become "1999/04/13"; any other text
// is kept as it is.
std::string NormalisedDate(const std::string& text) {
    std::string unified;
    for (std::size_t i = 0; i < text.size();) {
        const std::string_view rest = std::string_view(text).substr(i);
        if (rest.starts_with("年") || rest.starts_with("月")) {
            unified += '/';
            i += 3;
        } else if (rest == "日") {
            i += 3;
        } else {
            unified += text[i++];
        }
    }
    std::array<std::string, 3> parts;
    std::size_t part = 0;
    for (char c : unified) {
        if (c == '/' || c == '-' || c == '.') {
            if (++part == parts.size()) {
                return text;
            }
        } else {
            parts[part] += c;
        }
    }
    const auto year = ParseInteger(parts[0], 1000, 9999);
    const auto month = ParseInteger(parts[1], 1, 12);
    const auto day = ParseInteger(parts[2], 1, 31);
    if (part != 2 || !year || !month || !day) {
        return text;
    }
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d/%02d/%02d", *year, *month, *day);
    return buffer;
}

std::string LineText(int line) {
    return std::to_string(line) + "行目";
}

bool IsBlank(const CsvRecord& record) {
    for (const std::string& field : record.fields) {
        if (!Trimmed(field).empty()) {
            return false;
        }
    }
    return true;
}

// The column index of each role (-1: absent), from the header record.
std::array<int, kRoleCount> MapColumns(const CsvRecord& header) {
    std::array<int, kRoleCount> columns;
    columns.fill(-1);
    for (std::size_t c = 0; c < header.fields.size(); ++c) {
        const std::string name = Trimmed(header.fields[c]);
        const auto role = RoleOf(name);
        if (!role) {
            continue;
        }
        if (columns[static_cast<std::size_t>(*role)] >= 0) {
            throw HistoryError(LineText(header.line) + "の列「" + name + "」が重複しています。");
        }
        columns[static_cast<std::size_t>(*role)] = static_cast<int>(c);
    }
    if (columns[kDrawNumber] < 0) {
        throw HistoryError(LineText(header.line) +
                           "に列「回数」（または「開催回」「回」）がありません。");
    }
    for (int f = 0; f < Draw::kFieldCount; ++f) {
        if (columns[static_cast<std::size_t>(kFirstNumber + f)] < 0) {
            throw HistoryError(LineText(header.line) + "に列「" + kNumberFields[f] +
                               "」がありません。");
        }
    }
    return columns;
}

std::string FieldAt(const CsvRecord& record, int column) {
    if (column < 0 || static_cast<std::size_t>(column) >= record.fields.size()) {
        return std::string();
    }
    return Trimmed(record.fields[static_cast<std::size_t>(column)]);
}

Draw ReadDraw(const CsvRecord& record, const std::array<int, kRoleCount>& columns) {
    Draw d;
    const std::string number = FieldAt(record, columns[kDrawNumber]);
    if (number.empty()) {
        throw HistoryError(LineText(record.line) + "の回数が空です。");
    }
    const auto drawNumber = ParseInteger(number, 1, kMaxDrawNumber);
    if (!drawNumber) {
        throw HistoryError(LineText(record.line) + "の回数「" + number +
                           "」は1から32767までの整数ではありません。");
    }
    d.drawNumber = *drawNumber;
    for (int f = 0; f < Draw::kFieldCount; ++f) {
        const std::string text =
            FieldAt(record, columns[static_cast<std::size_t>(kFirstNumber + f)]);
        if (text.empty()) {
            continue;
        }
        const auto value = ParseInteger(text, 1, 31);
        if (!value) {
            throw HistoryError(LineText(record.line) + "の" + kNumberFields[f] + "「" + text +
                               "」は1から31までの整数ではありません。");
        }
        d.numbers[static_cast<std::size_t>(f)] = static_cast<std::int16_t>(*value);
    }
    const std::string date = FieldAt(record, columns[kDate]);
    d.date = date.empty() ? date : NormalisedDate(date);
    return d;
}

std::string ReadWholeFile(const fs::path& file) {
    try {
        return ReadInputFile(file, "CSVファイル「" + file.string() + "」");
    } catch (const FileError& e) {
        throw HistoryError(e.what());
    }
}

}  // namespace

std::vector<Draw> ParseCsvHistory(const std::string& bytes) {
    const auto text = DecodeJapaneseText(bytes);
    if (!text) {
        throw HistoryError("文字コードがUTF-8でもシフトJIS（CP932）でもありません。");
    }
    const std::vector<CsvRecord> records = ParseCsvRecords(*text);
    std::size_t first = 0;
    while (first < records.size() && IsBlank(records[first])) {
        ++first;
    }
    if (first == records.size()) {
        throw HistoryError("中身が空です。");
    }
    const auto columns = MapColumns(records[first]);

    std::vector<Draw> rows;
    std::map<int, int> lineOfDraw;
    for (std::size_t r = first + 1; r < records.size(); ++r) {
        if (IsBlank(records[r])) {
            continue;
        }
        Draw d = ReadDraw(records[r], columns);
        const auto [it, added] = lineOfDraw.emplace(d.drawNumber, records[r].line);
        if (!added) {
            throw HistoryError(LineText(records[r].line) + "の回数「" +
                               std::to_string(d.drawNumber) + "」は" + LineText(it->second) +
                               "と重複しています。");
        }
        rows.push_back(std::move(d));
    }
    if (rows.empty()) {
        throw HistoryError("当選データの行がありません。");
    }
    return rows;
}

std::vector<Draw> ReadCsvHistoryFile(const fs::path& csv) {
    const std::string bytes = ReadWholeFile(csv);
    try {
        return ParseCsvHistory(bytes);
    } catch (const HistoryError& e) {
        throw HistoryError("CSVファイル「" + csv.string() + "」の" + e.what());
    }
}

int ImportCsvHistory(const fs::path& csv, const fs::path& historyFile) {
    const std::vector<Draw> rows = ReadCsvHistoryFile(csv);
    ReplaceHistoryFile(historyFile, rows);
    return static_cast<int>(rows.size());
}

std::string FormatCsvHistory(const std::vector<StoredRow>& rows) {
    std::string out = "\xEF\xBB\xBF回数,開催日";
    for (const char* name : kNumberFields) {
        out += ',';
        out += name;
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
