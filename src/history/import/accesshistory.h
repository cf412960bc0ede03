#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "history/draw.h"
#include "history/import/accesssignature.h"

namespace pirumo {

// One row of the draws table of a Jet (Access) file, each field as libmdb renders it in UTF-8.
// nullopt marks a Null field; an empty text field is also nullopt.
struct AccessRow {
    std::optional<std::string> drawNumber;                              // 回数
    std::array<std::optional<std::string>, Draw::kFieldCount> numbers;  // 第1数字..ボーナス数字
    std::optional<std::string> date;  // 開催日; a Date/Time field comes as "YYYY/MM/DD"
};

// The draws of a Jet file, in the order the table stores them.
struct AccessHistory {
    std::string tableName;
    bool foundThroughQuery = false;  // through the saved query 全データ選択クエリ
    std::vector<AccessRow> rows;
};

// Reads the draws of a Jet 3/4 file held in memory. The database password is not needed.
// Throws HistoryError with a Japanese message that starts with `source` when the bytes are no
// readable Jet file, are cut short or damaged, or hold no draws table.
AccessHistory ReadAccessHistory(const std::string& bytes,
                                const std::string& source = "Accessファイル");

// The same for a file on disk.
AccessHistory ReadAccessHistoryFile(const std::filesystem::path& file);

}  // namespace pirumo
