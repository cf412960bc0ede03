#include "history/store/historyfile.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <set>
#include <system_error>

#include "base/atomicfile.h"
#include "base/fileerror.h"
#include "base/folderlock.h"
#include "base/inputfile.h"
#include "base/systemreason.h"
#include "base/temporaryfolder.h"
#include "history/drawfields.h"
#include "history/historyerror.h"
#include "history/store/boundedread.h"
#include "history/store/historywritehold.h"
#include "history/store/prizetable.h"
#include "history/store/sqlcipherdatabase.h"
#include "history/store/tickettable.h"

namespace pirumo {

namespace fs = std::filesystem;

namespace {

// One row more than a file can hold, so that a query returning too many is noticed without the
// engine sorting all of them.
constexpr const char* kQuery = "select * from 全データ選択クエリ order by 回数 limit 32768";

// A date is "YYYY/MM/DD", perhaps with a time after it.
constexpr std::size_t kMaxDateBytes = 64;

constexpr const char* kSchema =
    "CREATE TABLE 当選データ ("
    "回数 INTEGER PRIMARY KEY CHECK (回数 BETWEEN 1 AND 32767),"
    "第1数字 INTEGER, 第2数字 INTEGER, 第3数字 INTEGER, 第4数字 INTEGER, 第5数字 INTEGER,"
    "ボーナス数字 INTEGER, 開催日 TEXT);"
    "CREATE VIEW 全データ選択クエリ AS SELECT 回数, 第1数字, 第2数字, 第3数字, 第4数字, 第5数字,"
    " ボーナス数字, 開催日 FROM 当選データ;";

// Files from elsewhere and those written before the mark existed lack the table: published.
constexpr const char* kSampleMark =
    "CREATE TABLE ファイル属性 (名前 TEXT PRIMARY KEY, 値 TEXT);"
    "INSERT INTO ファイル属性 VALUES ('サンプル', '1');";
constexpr const char* kSampleQuery = "SELECT 値 FROM ファイル属性 WHERE 名前 = 'サンプル'";

std::string Quoted(const fs::path& file) {
    return "当選データファイル「" + file.string() + "」";
}

std::string ColumnText(sqlite3_stmt* stmt, int column) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
    return text ? std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(stmt, column)))
                : std::string();
}

std::int16_t ReadNumberField(sqlite3_stmt* stmt, int column) {
    switch (sqlite3_column_type(stmt, column)) {
        case SQLITE_NULL:
            return Draw::kEmptyField;
        case SQLITE_INTEGER: {
            const sqlite3_int64 v = sqlite3_column_int64(stmt, column);
            return v >= kLowestNumber && v <= kHighestNumber ? static_cast<std::int16_t>(v)
                                                             : Draw::kOtherValue;
        }
        case SQLITE_TEXT: {
            // A file made elsewhere may hold numbers as text; they read as any import reads them.
            const NumberText text = ReadNumberText(ColumnText(stmt, column));
            return text.kind == NumberText::Kind::kNumber  ? static_cast<std::int16_t>(text.value)
                   : text.kind == NumberText::Kind::kEmpty ? Draw::kEmptyField
                                                           : Draw::kOtherValue;
        }
        default:
            return Draw::kOtherValue;
    }
}

int FindColumn(sqlite3_stmt* stmt, const std::string& name) {
    for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
        if (name == sqlite3_column_name(stmt, i)) {
            return i;
        }
    }
    return -1;
}

int ReadDrawNumber(sqlite3_stmt* stmt, int column, const std::string& where) {
    if (sqlite3_column_type(stmt, column) == SQLITE_INTEGER) {
        const sqlite3_int64 v = sqlite3_column_int64(stmt, column);
        if (v >= 1 && v <= kMaxDrawNumber) {
            return static_cast<int>(v);
        }
    } else if (sqlite3_column_type(stmt, column) == SQLITE_TEXT) {
        if (const auto drawNumber = ReadDrawNumberText(ColumnText(stmt, column))) {
            return *drawNumber;
        }
    }
    throw HistoryError(where + "の回数「" + ColumnText(stmt, column) +
                       "」は1から32767までの整数ではありません。");
}

bool HasSampleMark(SqlCipherDatabase& db) {
    if (SqlStatement::Check(db, kSampleQuery)) {
        return false;
    }
    SqlStatement query(db, kSampleQuery);
    return query.Step() && ColumnText(query.Handle(), 0) == "1";
}

void CheckFileKind(const fs::path& file, const std::string& label) {
    try {
        CheckInputFile(file, label);
    } catch (const FileError& e) {
        throw HistoryError(e.what());
    }
}

// `sample`, when given, receives whether the file carries the sample mark.
std::vector<Draw> ReadRows(SqlCipherDatabase& db, const std::string& label, bool* sample) {
    db.RequireReadable(label);
    const BoundedRead bounds(db);
    if (const auto error = SqlStatement::Check(db, kQuery)) {
        if (bounds.RefusedRecursion()) {
            throw HistoryError(label + "の全データ選択クエリは自分自身を繰り返し呼び出すため、" +
                               "実行しません。当選データのファイルではありません。");
        }
        const std::string noColumn = "no such column: ";
        if (error->rfind(noColumn, 0) == 0) {
            throw HistoryError(label + "に当選データの欄「" + error->substr(noColumn.size()) +
                               "」がありません。");
        }
        if (error->find("no such table") != std::string::npos) {
            throw HistoryError(label + "に当選データの一覧がありません。");
        }
        throw HistoryError(label + "の当選データを読み出せません（" + db.LastReason() + "）。");
    }
    SqlStatement query(db, kQuery);
    sqlite3_stmt* stmt = query.Handle();
    const int drawColumn = FindColumn(stmt, "回数");
    if (drawColumn < 0) {
        throw HistoryError(label + "に当選データの欄「回数」がありません。");
    }
    int numberColumns[Draw::kFieldCount];
    for (int f = 0; f < Draw::kFieldCount; ++f) {
        numberColumns[f] = FindColumn(stmt, kNumberFieldNames[static_cast<std::size_t>(f)]);
        if (numberColumns[f] < 0) {
            throw HistoryError(label + "に当選データの欄「" +
                               kNumberFieldNames[static_cast<std::size_t>(f)] + "」がありません。");
        }
    }
    // The date is this program's own addition; files from elsewhere may lack it.
    const int dateColumn = FindColumn(stmt, "開催日");

    std::vector<Draw> rows;
    while (query.Step()) {
        const std::string where = label + "の" + std::to_string(rows.size() + 1) + "行目";
        if (rows.size() == static_cast<std::size_t>(kMaxDrawNumber)) {
            throw HistoryError(label + "の全データ選択クエリが" + std::to_string(kMaxDrawNumber) +
                               "行を超える行を返しました。当選データのファイルではありません。");
        }
        Draw d;
        d.drawNumber = ReadDrawNumber(stmt, drawColumn, where);
        for (int f = 0; f < Draw::kFieldCount; ++f) {
            d.numbers[static_cast<std::size_t>(f)] = ReadNumberField(stmt, numberColumns[f]);
        }
        if (dateColumn >= 0) {
            if (static_cast<std::size_t>(sqlite3_column_bytes(stmt, dateColumn)) > kMaxDateBytes) {
                throw HistoryError(where + "の開催日が長すぎます（" +
                                   std::to_string(sqlite3_column_bytes(stmt, dateColumn)) +
                                   " バイト、上限は " + std::to_string(kMaxDateBytes) +
                                   " バイト）。");
            }
            d.date = ColumnText(stmt, dateColumn);
        }
        rows.push_back(std::move(d));
    }
    AttachPrizes(rows, ReadPrizeTable(db));
    if (sample != nullptr) {
        *sample = HasSampleMark(db);
    }
    return rows;
}

std::vector<Draw> ReadRowsLabelled(const fs::path& file, const std::string& label,
                                   bool* sample = nullptr) {
    CheckFileKind(file, label);
    // Read-write, so that a journal left by an edit that was cut off is rolled back instead of
    // making the file unreadable; nothing else is written.
    SqlCipherDatabase db(file, SqlCipherDatabase::Mode::kReadWrite);
    return ReadRows(db, label, sample);
}

// The rows as the saved query gives them back: in 回数 order, a value other than empty or 1..31
// read as Draw::kOtherValue.
DrawHistory AsStored(std::vector<Draw> rows, HistoryKind kind) {
    std::sort(rows.begin(), rows.end(),
              [](const Draw& a, const Draw& b) { return a.drawNumber < b.drawNumber; });
    for (Draw& d : rows) {
        for (auto& n : d.numbers) {
            if (n != Draw::kEmptyField && !IsLotteryNumber(n)) {
                n = Draw::kOtherValue;
            }
        }
    }
    return DrawHistory(std::move(rows), kind == HistoryKind::kSample);
}

void CheckRows(const std::vector<Draw>& rows) {
    std::set<int> seen;
    for (const Draw& d : rows) {
        if (d.drawNumber < 1 || d.drawNumber > kMaxDrawNumber) {
            throw HistoryError("回数「" + std::to_string(d.drawNumber) +
                               "」は1から32767までの整数ではありません。");
        }
        if (!seen.insert(d.drawNumber).second) {
            throw HistoryError("回数「" + std::to_string(d.drawNumber) + "」が重複しています。");
        }
    }
}

// Writes the new file under its temporary name; messages name the file it is to replace.
void WriteHistoryFile(const AtomicFile& out, const std::vector<Draw>& rows, HistoryKind kind) {
    SqlCipherDatabase db(out.TemporaryPath(), SqlCipherDatabase::Mode::kCreate, out.Target());
    db.Execute(kSchema);
    if (kind == HistoryKind::kSample) {
        db.Execute(kSampleMark);
    }
    SqlTransaction transaction(db);
    SqlStatement insert(db,
                        "INSERT INTO 当選データ (回数, 第1数字, 第2数字, 第3数字, 第4数字, "
                        "第5数字, ボーナス数字, 開催日) VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
    for (const Draw& d : rows) {
        insert.BindInt(1, d.drawNumber);
        for (int f = 0; f < Draw::kFieldCount; ++f) {
            // kOtherValue is stored as it is: it reads back as a value other than 1..31.
            const auto n = d.numbers[static_cast<std::size_t>(f)];
            if (n == Draw::kEmptyField) {
                insert.BindNull(f + 2);
            } else {
                insert.BindInt(f + 2, n);
            }
        }
        if (d.date.empty()) {
            insert.BindNull(8);
        } else {
            insert.BindText(8, d.date);
        }
        insert.Step();
        insert.Reset();
    }
    WritePrizeTable(db, rows);
    transaction.Commit();
}

// The player's tickets are no part of the draws a replacement brings: they move from the old
// file into the new one, read under the hold so that none added meanwhile is left behind.
void CarryTickets(HistoryWriteHold& hold, const AtomicFile& out) {
    SqlCipherDatabase* old = hold.Database();
    if (old == nullptr) {
        return;
    }
    const std::vector<SavedTicket> tickets = ReadTicketTable(*old);
    if (tickets.empty()) {
        return;
    }
    SqlCipherDatabase db(out.TemporaryPath(), SqlCipherDatabase::Mode::kReadWrite, out.Target());
    SqlTransaction transaction(db);
    WriteTicketTable(db, tickets);
    transaction.Commit();
}

fs::path JournalOf(const fs::path& file) {
    return file.string() + "-journal";
}

// Copies the current file to file.bak through a temporary name, so a half-written backup never
// replaces a good one. The backup has the history's owner and is never more open than it. A
// journal beside the old backup belongs to that one and would spoil the new one, so it goes
// first. A hot journal of the history that could not be rolled back belongs to the copy, and
// moves beside it.
void KeepBackup(const fs::path& file, const HistoryWriteHold& hold) {
    AtomicFile backup(file.string() + ".bak");
    try {
        backup.Write(hold.Bytes());
    } catch (const FileError& e) {
        throw HistoryError(Quoted(file) + "のバックアップを作成できません。" + e.what());
    }
    std::error_code ec;
    // A name too long for a journal has none.
    fs::remove(JournalOf(backup.Target()), ec);
    if (ec && ec != std::errc::filename_too_long) {
        throw HistoryError(Quoted(file) + "のバックアップ「" + backup.Target().string() +
                           "」を作成できません（" + SystemReason(ec.value(), FileAccess::kWrite) +
                           "）。");
    }
    backup.Commit(file);
    if (hold.HasHotJournal()) {
        fs::rename(JournalOf(file), JournalOf(backup.Target()), ec);
        if (ec) {
            throw HistoryError(Quoted(file) + "の未完了の変更記録「" + JournalOf(file).string() +
                               "」を移せません（" + SystemReason(ec.value(), FileAccess::kWrite) +
                               "）。");
        }
    }
}

}  // namespace

DrawHistory OpenDrawHistory(const fs::path& file) {
    bool sample = false;
    std::vector<Draw> rows = ReadRowsLabelled(file, Quoted(file), &sample);
    return DrawHistory(std::move(rows), sample);
}

std::vector<Draw> ReadHistoryRows(const fs::path& file) {
    return ReadRowsLabelled(file, Quoted(file));
}

std::optional<DrawHistory> OpenDrawHistoryIfOurs(const fs::path& file) {
    const std::string label = Quoted(file);
    CheckFileKind(file, label);
    std::optional<SqlCipherDatabase> db;
    try {
        db.emplace(file, SqlCipherDatabase::Mode::kReadWrite);
    } catch (const HistoryError&) {
        return std::nullopt;
    }
    if (db->Probe() == SQLITE_NOTADB) {
        return std::nullopt;
    }
    bool sample = false;
    std::vector<Draw> rows = ReadRows(*db, label, &sample);
    return DrawHistory(std::move(rows), sample);
}

std::vector<Draw> ReadHistoryRowsFromBytes(const std::string& bytes) {
    try {
        const TemporaryFolder folder;
        const fs::path copy = folder.Path() / "received.mdb";
        try {
            WriteFileAtomically(copy, bytes);
        } catch (const FileError& e) {
            if (e.SystemError() == 0) {
                throw;
            }
            // The private copy is no name the user knows; the folder it goes in is.
            throw HistoryError("受信した当選データを確かめるために一時フォルダー「" +
                               folder.Path().parent_path().string() + "」へ書き込めません（" +
                               SystemReason(e.SystemError(), FileAccess::kWrite) +
                               "）。当選データは変わっていません。");
        }
        return ReadRowsLabelled(copy, "受信した当選データ");
    } catch (const FileError& e) {
        throw HistoryError(e.what());
    }
}

DrawHistory ReplaceHistoryFile(const fs::path& file, const std::vector<Draw>& rows,
                               HistoryKind kind) {
    CheckRows(rows);
    try {
        // Two programs replacing the file take turns, so the second keeps the first's result
        // as its backup instead of losing it.
        const FolderLock lock(ResolveWriteTarget(file));
        AtomicFile out(file);
        WriteHistoryFile(out, rows, kind);
        // Held until the new file is in place: no other program writes to the old one after
        // its backup was taken.
        std::optional<HistoryWriteHold> hold;
        std::error_code ec;
        if (fs::exists(out.Target(), ec)) {
            hold.emplace(out.Target());
            KeepBackup(out.Target(), *hold);
            CarryTickets(*hold, out);
        }
        out.Commit();
    } catch (const FileError& e) {
        throw HistoryError(e.what());
    }
    return AsStored(rows, kind);
}

DrawHistory CreateHistoryFile(const fs::path& file, const std::vector<Draw>& rows) {
    std::error_code ec;
    if (fs::exists(file, ec)) {
        throw HistoryError(Quoted(file) + "は既に存在します。");
    }
    CheckRows(rows);
    try {
        AtomicFile out(file);
        WriteHistoryFile(out, rows, HistoryKind::kPublished);
        out.CommitAsNew();
    } catch (const FileError& e) {
        throw HistoryError(e.what());
    }
    return AsStored(rows, HistoryKind::kPublished);
}

}  // namespace pirumo
