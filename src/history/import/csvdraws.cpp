#include "history/import/csvdraws.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <span>

#include "base/japanesetext.h"
#include "history/drawfields.h"
#include "history/historyerror.h"
#include "history/import/csvrecords.h"
#include "history/prizefields.h"

namespace pirumo {

namespace {

// Column roles; the names each role accepts in a header, as public result files spell them.
// kFirstNumber + f for number field f, kFirstPrize + c for prize column c.
enum Role { kDrawNumber, kDate, kFirstNumber };
constexpr int kBonus = kFirstNumber + Draw::kBonusIndex;
constexpr int kFirstPrize = kFirstNumber + Draw::kFieldCount;
constexpr int kRoleCount = kFirstPrize + kPrizeColumnCount;

constexpr std::array<const char*, 5> kDrawNumberNames = {"回数", "開催回", "回", "回号", "回別"};
constexpr std::array<const char*, 4> kDateNames = {"日付", "開催日", "抽せん日", "抽選日"};
constexpr std::array<const char*, 4> kBonusNames = {"ボーナス数字", "BONUS数字", "ボ数字",
                                                    "ボーナス"};

// Full-width digits as half-width ones, so that 本数字１ reads as 本数字1.
std::string HalfWidthDigits(std::string_view name) {
    std::string out;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto last = i + 2 < name.size() ? static_cast<unsigned char>(name[i + 2]) : 0;
        if (last >= 0x90 && last <= 0x99 && name.substr(i, 2) == "\xEF\xBC") {
            out += static_cast<char>('0' + (last - 0x90));
            i += 2;
        } else {
            out += name[i];
        }
    }
    return out;
}

std::optional<int> RoleOf(std::string_view name) {
    static const std::map<std::string, int, std::less<>> roles = [] {
        std::map<std::string, int, std::less<>> names;
        for (const char* n : kDrawNumberNames) {
            names.emplace(n, kDrawNumber);
        }
        for (const char* n : kDateNames) {
            names.emplace(n, kDate);
        }
        for (const char* n : kBonusNames) {
            names.emplace(n, kBonus);
        }
        for (int f = 0; f < Draw::kBonusIndex; ++f) {
            const std::string digit = std::to_string(f + 1);
            names.emplace("第" + digit + "数字", kFirstNumber + f);
            names.emplace("本数字" + digit, kFirstNumber + f);
            names.emplace("数字" + digit, kFirstNumber + f);
        }
        for (int c = 0; c < kPrizeColumnCount; ++c) {
            names.emplace(kPrizeColumnNames[static_cast<std::size_t>(c)], kFirstPrize + c);
        }
        return names;
    }();
    const auto it = roles.find(HalfWidthDigits(name));
    return it == roles.end() ? std::nullopt : std::optional<int>(it->second);
}

template <std::size_t N>
std::string JoinNames(const std::array<const char*, N>& names) {
    std::string text;
    for (const char* name : names) {
        text += text.empty() ? "" : "、";
        text += name;
    }
    return text;
}

// The refusal of a header that lacks a column the draws need, with every name it could use.
[[noreturn]] void RefuseHeader(int line, const std::string& missing) {
    throw HistoryError(std::to_string(line) + "行目に列「" + missing +
                       "」がありません。見出しの行には次の列名が使えます。\n"
                       "回数: " +
                       JoinNames(kDrawNumberNames) +
                       "（値は 第1354回 とも書けます）\n"
                       "日付（なくても可）: " +
                       JoinNames(kDateNames) +
                       "\n"
                       "数字: 第1数字〜第5数字、本数字1〜本数字5、数字1〜数字5"
                       "（列名の数字は全角でも可）\n"
                       "ボーナス数字: " +
                       JoinNames(kBonusNames) +
                       "\n"
                       "賞金（なくても可、8列そろえば読みます）: " +
                       JoinNames(kPrizeColumnNames));
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
        RefuseHeader(header.line, "回数");
    }
    for (int f = 0; f < Draw::kFieldCount; ++f) {
        if (columns[static_cast<std::size_t>(kFirstNumber + f)] < 0) {
            RefuseHeader(header.line, kNumberFieldNames[static_cast<std::size_t>(f)]);
        }
    }
    // Prize data is optional; an incomplete set would pair winners with amounts of nothing, so
    // it is ignored like any other column.
    const auto prizeColumns = std::span(columns).subspan(kFirstPrize);
    if (std::any_of(prizeColumns.begin(), prizeColumns.end(), [](int c) { return c < 0; })) {
        std::fill(prizeColumns.begin(), prizeColumns.end(), -1);
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
    Draw draw = ReadDrawTexts(texts, LineText(record.line));
    if (columns[kFirstPrize] >= 0) {
        std::array<std::string, kPrizeColumnCount> prizeTexts;
        for (int c = 0; c < kPrizeColumnCount; ++c) {
            prizeTexts[static_cast<std::size_t>(c)] =
                FieldAt(record, columns[static_cast<std::size_t>(kFirstPrize + c)]);
        }
        draw.prizes = ReadPrizeTexts(prizeTexts, LineText(record.line), draw.drawNumber);
    }
    return draw;
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
