#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "history/draw.h"
#include "history/drawhistory.h"

namespace pirumo {

// The encrypted history file Pirumo.mdb: table 当選データ and view 全データ選択クエリ, and the
// published prizes in table 賞金データ (history/store/prizetable.h), read into Draw::prizes.
// All failures throw HistoryError with a Japanese message.

// Reads every row through "select * from 全データ選択クエリ order by 回数" and builds the snapshot,
// which knows whether the file is a sample history. The file is closed again before returning.
// The file's own query is bounded (see BoundedRead): one that calls itself, returns more than
// 32,767 rows, a date over 64 bytes or any value over BoundedRead::kMaxValueBytes, or runs past
// the deadline is refused.
DrawHistory OpenDrawHistory(const std::filesystem::path& file);

// Reads the rows only (the same query), for callers that do not need the aggregates.
std::vector<Draw> ReadHistoryRows(const std::filesystem::path& file);

// OpenDrawHistory for a file that our key opens, under any name (a backup such as
// Pirumo.mdb.bak); nullopt when it does not, so that the file is of some other kind. A file of
// ours that is busy or damaged is still ours: reading it throws and says what is wrong.
std::optional<DrawHistory> OpenDrawHistoryIfOurs(const std::filesystem::path& file);

// Checks that bytes in memory are a history file this program can read, and returns its rows.
std::vector<Draw> ReadHistoryRowsFromBytes(const std::string& bytes);

// Published draws, or draws made up for trying the program out; a sample file says so inside.
enum class HistoryKind { kPublished, kSample };

// Writes a new encrypted history file holding rows, and replaces `file` with it atomically
// through AtomicFile (a link: its target; a read-only file is refused). An existing file is
// kept as `file` + ".bak"; both keep its owner, group and permissions. Two programs replacing
// the same file take turns; a file another program goes on writing is refused as in use. On
// failure the old file is left exactly as it was. Returns the history the file now holds, as
// OpenDrawHistory would read it, so that nobody has to read the file again.
DrawHistory ReplaceHistoryFile(const std::filesystem::path& file, const std::vector<Draw>& rows,
                               HistoryKind kind = HistoryKind::kPublished);

// Creates a history file holding rows (none: the schema only) and returns it as
// ReplaceHistoryFile does; refuses, also at the last moment, to overwrite a file that exists.
DrawHistory CreateHistoryFile(const std::filesystem::path& file,
                              const std::vector<Draw>& rows = {});

// One editable row of the file as the entry window sees it: NULL fields are empty optionals,
// values are kept as they are stored (no range check).
struct StoredRow {
    int drawNumber = 0;
    std::array<std::optional<long long>, 6> numbers;  // 第1数字..第5数字, ボーナス数字
    std::optional<std::string> date;
    std::optional<DrawPrizes> prizes;  // kept as stored; the entry window never edits them
};

// An open, writable connection for the manual entry window. Every call is one transaction.
class HistoryFileEditor {
public:
    explicit HistoryFileEditor(const std::filesystem::path& file);
    ~HistoryFileEditor();
    HistoryFileEditor(const HistoryFileEditor&) = delete;
    HistoryFileEditor& operator=(const HistoryFileEditor&) = delete;

    std::vector<StoredRow> ReadAll();
    // Sets one number field (index 0..5) of a draw; nullopt stores NULL.
    void SetNumber(int drawNumber, int field, std::optional<long long> value);
    // Sets a draw's 開催日 ("YYYY/MM/DD"); an empty date stores NULL.
    void SetDate(int drawNumber, const std::string& date);
    // Adds a draw with empty numbers and the given date (empty: NULL).
    void InsertDraw(int drawNumber, const std::string& date = {});
    // Removes a draw and its prizes.
    void DeleteDraw(int drawNumber);

private:
    struct Connection;
    Connection* mConnection;
};

}  // namespace pirumo
