#include <sqlite3.h>

#include <cmath>
#include <map>
#include <memory>

#include "base/fileerror.h"
#include "base/inputfile.h"
#include "history/drawfields.h"
#include "history/historyerror.h"
#include "history/store/boundedread.h"
#include "history/store/historyfile.h"
#include "history/store/prizetable.h"
#include "history/store/sqlcipherdatabase.h"

namespace pirumo {

namespace {

std::optional<long long> ReadStoredNumber(sqlite3_stmt* stmt, int column) {
    switch (sqlite3_column_type(stmt, column)) {
        case SQLITE_NULL:
            return std::nullopt;
        case SQLITE_INTEGER:
            return sqlite3_column_int64(stmt, column);
        case SQLITE_FLOAT: {
            const double v = sqlite3_column_double(stmt, column);
            if (v == std::trunc(v) && std::fabs(v) < 1e15) {
                return static_cast<long long>(v);
            }
            break;
        }
        case SQLITE_TEXT: {
            const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
            const NumberText text = ReadNumberText(std::string_view(
                bytes, static_cast<std::size_t>(sqlite3_column_bytes(stmt, column))));
            if (text.kind == NumberText::Kind::kEmpty) {
                return std::nullopt;
            }
            if (text.kind == NumberText::Kind::kNumber) {
                return text.value;
            }
            break;
        }
        default:
            break;
    }
    // Not a whole number: shown as a value the entry check rejects, so the user corrects it.
    return Draw::kOtherValue;
}

std::string DrawText(int drawNumber) {
    return "回数「" + std::to_string(drawNumber) + "」";
}

}  // namespace

struct HistoryFileEditor::Connection {
    explicit Connection(const std::filesystem::path& file)
        : db(file, SqlCipherDatabase::Mode::kReadWrite) {}
    SqlCipherDatabase db;
};

HistoryFileEditor::HistoryFileEditor(const std::filesystem::path& file) {
    const std::string label = "当選データファイル「" + file.string() + "」";
    try {
        CheckInputFile(file, label);
    } catch (const FileError& e) {
        throw HistoryError(e.what());
    }
    auto connection = std::make_unique<Connection>(file);
    connection->db.RequireReadable(label);
    if (SqlStatement::Check(connection->db,
                            "SELECT 回数, 第1数字, 第2数字, 第3数字, 第4数字, "
                            "第5数字, ボーナス数字 FROM 当選データ")) {
        throw HistoryError(label + "の当選データ表を編集できません（" +
                           connection->db.LastReason() + "）。");
    }
    mConnection = connection.release();
}

HistoryFileEditor::~HistoryFileEditor() {
    delete mConnection;
}

std::vector<StoredRow> HistoryFileEditor::ReadAll() {
    const BoundedRead bounds(mConnection->db);
    const bool hasDate =
        !SqlStatement::Check(mConnection->db, "SELECT 開催日 FROM 当選データ").has_value();
    SqlStatement query(mConnection->db,
                       std::string("SELECT 回数, 第1数字, 第2数字, 第3数字, 第4数字, 第5数字, "
                                   "ボーナス数字") +
                           (hasDate ? ", 開催日" : "") + " FROM 当選データ ORDER BY 回数");
    std::vector<StoredRow> rows;
    while (query.Step()) {
        sqlite3_stmt* stmt = query.Handle();
        StoredRow row;
        row.drawNumber = sqlite3_column_int(stmt, 0);
        for (int f = 0; f < Draw::kFieldCount; ++f) {
            row.numbers[static_cast<std::size_t>(f)] = ReadStoredNumber(stmt, f + 1);
        }
        if (hasDate && sqlite3_column_type(stmt, 7) != SQLITE_NULL) {
            row.date = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 7));
        }
        rows.push_back(std::move(row));
    }
    const std::map<int, DrawPrizes> prizes = ReadPrizeTable(mConnection->db);
    for (StoredRow& row : rows) {
        if (const auto found = prizes.find(row.drawNumber); found != prizes.end()) {
            row.prizes = found->second;
        }
    }
    return rows;
}

void HistoryFileEditor::SetNumber(int drawNumber, int field, std::optional<long long> value) {
    if (field < 0 || field >= Draw::kFieldCount) {
        throw HistoryError("数字の欄の番号「" + std::to_string(field) + "」が正しくありません。");
    }
    SqlTransaction transaction(mConnection->db);
    SqlStatement update(mConnection->db, std::string("UPDATE 当選データ SET ") +
                                             kNumberFieldNames[static_cast<std::size_t>(field)] +
                                             " = ? WHERE 回数 = ?");
    if (value) {
        update.BindInt(1, *value);
    } else {
        update.BindNull(1);
    }
    update.BindInt(2, drawNumber);
    update.Step();
    if (sqlite3_changes(mConnection->db.Handle()) == 0) {
        throw HistoryError(DrawText(drawNumber) + "の当選データがありません。");
    }
    transaction.Commit();
}

void HistoryFileEditor::SetDate(int drawNumber, const std::string& date) {
    SqlTransaction transaction(mConnection->db);
    SqlStatement update(mConnection->db, "UPDATE 当選データ SET 開催日 = ? WHERE 回数 = ?");
    if (date.empty()) {
        update.BindNull(1);
    } else {
        update.BindText(1, date);
    }
    update.BindInt(2, drawNumber);
    update.Step();
    if (sqlite3_changes(mConnection->db.Handle()) == 0) {
        throw HistoryError(DrawText(drawNumber) + "の当選データがありません。");
    }
    transaction.Commit();
}

void HistoryFileEditor::InsertDraw(int drawNumber, const std::string& date) {
    if (drawNumber < 1 || drawNumber > kMaxDrawNumber) {
        throw HistoryError(DrawText(drawNumber) + "は1から32767までの整数ではありません。");
    }
    SqlTransaction transaction(mConnection->db);
    {
        SqlStatement exists(mConnection->db, "SELECT 1 FROM 当選データ WHERE 回数 = ?");
        exists.BindInt(1, drawNumber);
        if (exists.Step()) {
            throw HistoryError(DrawText(drawNumber) + "の当選データは既にあります。");
        }
    }
    if (date.empty()) {
        SqlStatement insert(mConnection->db, "INSERT INTO 当選データ (回数) VALUES (?)");
        insert.BindInt(1, drawNumber);
        insert.Step();
    } else {
        SqlStatement insert(mConnection->db, "INSERT INTO 当選データ (回数, 開催日) VALUES (?, ?)");
        insert.BindInt(1, drawNumber);
        insert.BindText(2, date);
        insert.Step();
    }
    transaction.Commit();
}

void HistoryFileEditor::DeleteDraw(int drawNumber) {
    SqlTransaction transaction(mConnection->db);
    SqlStatement remove(mConnection->db, "DELETE FROM 当選データ WHERE 回数 = ?");
    remove.BindInt(1, drawNumber);
    remove.Step();
    if (sqlite3_changes(mConnection->db.Handle()) == 0) {
        throw HistoryError(DrawText(drawNumber) + "の当選データがありません。");
    }
    DeleteStoredPrizes(mConnection->db, drawNumber);
    transaction.Commit();
}

}  // namespace pirumo
