#include "history/import/accessrows.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>
#include <string>

#include "history/historyerror.h"

namespace pirumo {

namespace {

constexpr std::array<const char*, Draw::kFieldCount> kNumberFields = {
    "第1数字", "第2数字", "第3数字", "第4数字", "第5数字", "ボーナス数字"};
constexpr long kMaxDrawNumber = 32767;
constexpr long kMaxNumber = 31;

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

bool IsDigits(const std::string& text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The value of an integer text within 1..max. A zero fraction ("17.0") is allowed because
// libmdb writes Single, Double and Currency fields that way.
std::optional<long> ParseNumber(const std::string& raw, long max) {
    std::string text = Trim(raw);
    if (!text.empty() && text.front() == '+') {
        text.erase(0, 1);
    }
    const auto point = text.find('.');
    if (point != std::string::npos) {
        const std::string fraction = text.substr(point + 1);
        if (fraction.find_first_not_of('0') != std::string::npos) {
            return std::nullopt;
        }
        text.erase(point);
    }
    if (!IsDigits(text)) {
        return std::nullopt;
    }
    text.erase(0, std::min(text.find_first_not_of('0'), text.size()));
    if (text.empty() || text.size() > 6) {
        return std::nullopt;
    }
    const long value = std::stol(text);
    if (value > max) {
        return std::nullopt;
    }
    return value;
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// "YYYY/MM/DD" for a date written Y/M/D or Y-M-D, with or without a time after a blank; any
// other text is kept as it is.
std::string NormaliseDate(const std::string& raw) {
    std::string text = Trim(raw);
    text = text.substr(0, text.find(' '));
    std::replace(text.begin(), text.end(), '-', '/');
    const auto first = text.find('/');
    const auto second = first == std::string::npos ? first : text.find('/', first + 1);
    if (second == std::string::npos) {
        return raw;
    }
    const std::string y = text.substr(0, first);
    const std::string m = text.substr(first + 1, second - first - 1);
    const std::string d = text.substr(second + 1);
    if (y.size() != 4 || !IsDigits(y) || m.size() > 2 || !IsDigits(m) || d.size() > 2 ||
        !IsDigits(d)) {
        return raw;
    }
    const int year = std::stoi(y);
    const int month = std::stoi(m);
    const int day = std::stoi(d);
    static constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1000 || month < 1 || month > 12 || day < 1 || day > kDays[month - 1] ||
        (month == 2 && day == 29 && !IsLeapYear(year))) {
        return raw;
    }
    char normalised[32];
    std::snprintf(normalised, sizeof normalised, "%04d/%02d/%02d", year, month, day);
    return normalised;
}

std::string RowText(std::size_t index) {
    return std::to_string(index + 1) + "行目";
}

}  // namespace

std::vector<Draw> ConvertAccessRows(const AccessHistory& history, const std::string& source) {
    const std::string table = source + "の表「" + history.tableName + "」の";
    if (history.rows.empty()) {
        throw HistoryError(table + "中に当選データの行がありません。");
    }
    std::vector<Draw> draws;
    draws.reserve(history.rows.size());
    std::map<long, std::size_t> seen;  // 回数 -> row index
    for (std::size_t i = 0; i < history.rows.size(); ++i) {
        const AccessRow& row = history.rows[i];
        const std::string where = table + RowText(i);
        if (!row.drawNumber) {
            throw HistoryError(where + "の回数が空です。");
        }
        const auto drawNumber = ParseNumber(*row.drawNumber, kMaxDrawNumber);
        if (!drawNumber) {
            throw HistoryError(where + "の回数「" + *row.drawNumber +
                               "」は1から32767までの整数ではありません。");
        }
        const auto [earlier, inserted] = seen.emplace(*drawNumber, i);
        if (!inserted) {
            throw HistoryError(where + "の回数「" + std::to_string(*drawNumber) + "」は" +
                               RowText(earlier->second) + "と重複しています。");
        }

        Draw& draw = draws.emplace_back();
        draw.drawNumber = static_cast<int>(*drawNumber);
        for (std::size_t f = 0; f < row.numbers.size(); ++f) {
            if (!row.numbers[f]) {
                draw.numbers[f] = Draw::kEmptyField;
                continue;
            }
            const auto number = ParseNumber(*row.numbers[f], kMaxNumber);
            if (!number) {
                throw HistoryError(where + "（回数 " + std::to_string(*drawNumber) + "）の" +
                                   kNumberFields[f] + "「" + *row.numbers[f] +
                                   "」は1から31までの整数ではありません。");
            }
            draw.numbers[f] = static_cast<std::int16_t>(*number);
        }
        if (row.date) {
            draw.date = NormaliseDate(*row.date);
        }
    }
    std::sort(draws.begin(), draws.end(),
              [](const Draw& a, const Draw& b) { return a.drawNumber < b.drawNumber; });
    return draws;
}

std::vector<Draw> ReadAccessHistoryRows(const std::filesystem::path& mdbFile) {
    return ConvertAccessRows(ReadAccessHistoryFile(mdbFile),
                             "Accessファイル「" + mdbFile.string() + "」");
}

std::vector<Draw> ReadAccessHistoryRowsFromBytes(const std::string& bytes) {
    return ConvertAccessRows(ReadAccessHistory(bytes));
}

}  // namespace pirumo
