#include "history/accessrows.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>

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

// "YYYY/MM/DD" for a date written Y/M/D or Y-M-D, with or without a time after a blank.
std::optional<std::string> NormaliseDate(const std::string& raw) {
    std::string text = Trim(raw);
    text = text.substr(0, text.find(' '));
    std::replace(text.begin(), text.end(), '-', '/');
    const auto first = text.find('/');
    const auto second = first == std::string::npos ? first : text.find('/', first + 1);
    if (second == std::string::npos) {
        return std::nullopt;
    }
    const std::string y = text.substr(0, first);
    const std::string m = text.substr(first + 1, second - first - 1);
    const std::string d = text.substr(second + 1);
    if (y.size() != 4 || !IsDigits(y) || m.size() > 2 || !IsDigits(m) || d.size() > 2 ||
        !IsDigits(d)) {
        return std::nullopt;
    }
    const int year = std::stoi(y);
    const int month = std::stoi(m);
    const int day = std::stoi(d);
    static constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1 || month < 1 || month > 12 || day < 1 || day > kDays[month - 1] ||
        (month == 2 && day == 29 && !IsLeapYear(year))) {
        return std::nullopt;
    }
    char normalised[32];
    std::snprintf(normalised, sizeof normalised, "%04d/%02d/%02d", year, month, day);
    return std::string(normalised);
}

std::string RowName(std::size_t index) {
    return "Accessのファイルの " + std::to_string(index + 1) + " 行目";
}

}  // namespace

std::vector<Draw> ConvertAccessRows(const AccessHistory& history) {
    std::vector<Draw> draws;
    draws.reserve(history.rows.size());
    std::map<long, std::size_t> seen;  // 回数 -> row index
    for (std::size_t i = 0; i < history.rows.size(); ++i) {
        const AccessRow& row = history.rows[i];
        if (!row.drawNumber) {
            throw HistoryError(RowName(i) + ": 回数が空です。");
        }
        const auto drawNumber = ParseNumber(*row.drawNumber, kMaxDrawNumber);
        if (!drawNumber) {
            throw HistoryError(RowName(i) + ": 回数「" + *row.drawNumber +
                               "」は 1～32767 の整数ではありません。");
        }
        const auto [earlier, inserted] = seen.emplace(*drawNumber, i);
        if (!inserted) {
            throw HistoryError(RowName(i) + ": 回数 " + std::to_string(*drawNumber) + " が " +
                               std::to_string(earlier->second + 1) + " 行目と重なっています。");
        }
        const std::string where = RowName(i) + "（回数 " + std::to_string(*drawNumber) + "）";

        Draw& draw = draws.emplace_back();
        draw.drawNumber = static_cast<int>(*drawNumber);
        for (std::size_t f = 0; f < row.numbers.size(); ++f) {
            if (!row.numbers[f]) {
                draw.numbers[f] = Draw::kEmptyField;
                continue;
            }
            const auto number = ParseNumber(*row.numbers[f], kMaxNumber);
            if (!number) {
                throw HistoryError(where + ": " + kNumberFields[f] + "「" + *row.numbers[f] +
                                   "」は 1～31 の整数ではありません。");
            }
            draw.numbers[f] = static_cast<std::int16_t>(*number);
        }
        if (row.date) {
            const auto date = NormaliseDate(*row.date);
            if (!date) {
                throw HistoryError(where + ": 開催日「" + *row.date + "」は日付として読めません。");
            }
            draw.date = *date;
        }
    }
    std::sort(draws.begin(), draws.end(),
              [](const Draw& a, const Draw& b) { return a.drawNumber < b.drawNumber; });
    return draws;
}

std::vector<Draw> ReadAccessHistoryRows(const std::filesystem::path& mdbFile) {
    return ConvertAccessRows(ReadAccessHistoryFile(mdbFile));
}

std::vector<Draw> ReadAccessHistoryRowsFromBytes(const std::string& bytes) {
    return ConvertAccessRows(ReadAccessHistory(bytes));
}

}  // namespace pirumo
