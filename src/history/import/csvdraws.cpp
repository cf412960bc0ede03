#include "history/import/csvdraws.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>

#include "base/japanesetext.h"
#include "history/drawfields.h"
#include "history/historyerror.h"
#include "history/import/csvrecords.h"

namespace pirumo {

namespace {

// Column roles; the names each role accepts in a header.
enum Role { kDrawNumber, kDate, kFirstNumber };  // kFirstNumber + f for number field f
constexpr int kRoleCount = kFirstNumber + Draw::kFieldCount;

std::optional<int> RoleOf(std::string_view name) {
    static const std::map<std::string, int, std::less<>> roles = [] {
        std::map<std::string, int, std::less<>> names = {
            {"回数", kDrawNumber},
            {"開催回", kDrawNumber},
            {"回", kDrawNumber},
            {"日付", kDate},
            {"開催日", kDate},
            {"BONUS数字", kFirstNumber + 5},
            {"ボ数字", kFirstNumber + 5},
        };
        for (int f = 0; f < Draw::kFieldCount; ++f) {
            names.emplace(kNumberFieldNames[static_cast<std::size_t>(f)], kFirstNumber + f);
        }
        return names;
    }();
    const auto it = roles.find(name);
    return it == roles.end() ? std::nullopt : std::optional<int>(it->second);
}

std::string LineText(int line) {
    return std::to_string(line) + "行目";
}

bool IsBlank(const CsvRecord& record) {
    for (const std::string& field : record.fields) {
        if (!TrimField(field).empty()) {
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
        const std::string_view name = TrimField(header.fields[c]);
        const auto role = RoleOf(name);
        if (!role) {
            continue;
        }
        if (columns[static_cast<std::size_t>(*role)] >= 0) {
            throw HistoryError(LineText(header.line) + "の列「" + std::string(name) +
                               "」が重複しています。");
        }
        columns[static_cast<std::size_t>(*role)] = static_cast<int>(c);
    }
    if (columns[kDrawNumber] < 0) {
        throw HistoryError(LineText(header.line) +
                           "に列「回数」（または「開催回」「回」）がありません。");
    }
    for (int f = 0; f < Draw::kFieldCount; ++f) {
        if (columns[static_cast<std::size_t>(kFirstNumber + f)] < 0) {
            throw HistoryError(LineText(header.line) + "に列「" +
                               kNumberFieldNames[static_cast<std::size_t>(f)] + "」がありません。");
        }
    }
    return columns;
}

std::string FieldAt(const CsvRecord& record, int column) {
    if (column < 0 || static_cast<std::size_t>(column) >= record.fields.size()) {
        return std::string();
    }
    return record.fields[static_cast<std::size_t>(column)];
}

Draw ReadDraw(const CsvRecord& record, const std::array<int, kRoleCount>& columns) {
    DrawTexts texts;
    texts.drawNumber = FieldAt(record, columns[kDrawNumber]);
    for (int f = 0; f < Draw::kFieldCount; ++f) {
        texts.numbers[static_cast<std::size_t>(f)] =
            FieldAt(record, columns[static_cast<std::size_t>(kFirstNumber + f)]);
    }
    texts.date = FieldAt(record, columns[kDate]);
    return ReadDrawTexts(texts, LineText(record.line));
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
        if (records[r].fields.size() < records[first].fields.size()) {
            // A file cut off mid-line, or a record that lost its separators.
            throw HistoryError(
                LineText(records[r].line) + "の項目が" + std::to_string(records[r].fields.size()) +
                "個しかありません（見出しは" + std::to_string(records[first].fields.size()) +
                "個）。行が途中で切れているか、壊れています。");
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
    if (std::none_of(rows.begin(), rows.end(), IsValidDraw)) {
        throw HistoryError("当選データには、" + std::string(kNoValidDraw));
    }
    return rows;
}

}  // namespace pirumo
