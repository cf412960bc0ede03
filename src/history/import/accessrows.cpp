#include "history/import/accessrows.h"

#include <algorithm>
#include <map>
#include <string>

#include "history/drawfields.h"
#include "history/historyerror.h"

namespace pirumo {

namespace {

std::string RowText(std::size_t index) {
    return std::to_string(index + 1) + "行目";
}

DrawTexts TextsOf(const AccessRow& row) {
    DrawTexts texts;
    texts.drawNumber = row.drawNumber.value_or(std::string());
    for (std::size_t f = 0; f < row.numbers.size(); ++f) {
        texts.numbers[f] = row.numbers[f].value_or(std::string());
    }
    texts.date = row.date.value_or(std::string());
    return texts;
}

}  // namespace

std::vector<Draw> ConvertAccessRows(const AccessHistory& history, const std::string& source) {
    const std::string table = source + "の表「" + history.tableName + "」の";
    if (history.rows.empty()) {
        throw HistoryError(table + "中に当選データの行がありません。");
    }
    std::vector<Draw> draws;
    draws.reserve(history.rows.size());
    std::map<int, std::size_t> seen;  // 回数 -> row index
    for (std::size_t i = 0; i < history.rows.size(); ++i) {
        Draw draw = ReadDrawTexts(TextsOf(history.rows[i]), table + RowText(i));
        const auto [earlier, inserted] = seen.emplace(draw.drawNumber, i);
        if (!inserted) {
            throw HistoryError(table + RowText(i) + "の回数「" + std::to_string(draw.drawNumber) +
                               "」は" + RowText(earlier->second) + "と重複しています。");
        }
        draws.push_back(std::move(draw));
    }
    if (std::none_of(draws.begin(), draws.end(), IsValidDraw)) {
        throw HistoryError(table + "中には、" + std::string(kNoValidDraw));
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
