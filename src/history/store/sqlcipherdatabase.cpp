#include "history/store/sqlcipherdatabase.h"

#include <sqlite3.h>

#include "history/store/databasepassword.h"
#include "history/historyerror.h"

namespace pirumo {

namespace {

[[noreturn]] void ThrowEngineError(sqlite3* db) {
    throw HistoryError("当選データファイルの処理に失敗しました（" +
                       std::string(db ? sqlite3_errmsg(db) : "out of memory") + "）。");
}

int OpenFlags(SqlCipherDatabase::Mode mode) {
    return mode == SqlCipherDatabase::Mode::kCreate ? SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE
                                                    : SQLITE_OPEN_READWRITE;
}

}  // namespace

SqlCipherDatabase::SqlCipherDatabase(const std::filesystem::path& file, Mode mode) {
    const int rc = sqlite3_open_v2(file.c_str(), &mDb, OpenFlags(mode), nullptr);
    if (rc != SQLITE_OK) {
        const std::string message = mDb ? sqlite3_errmsg(mDb) : "out of memory";
        sqlite3_close(mDb);
        throw HistoryError("当選データファイル「" + file.string() + "」を開けません（" + message +
                           "）。");
    }
    const std::string key = DatabasePassword();
    const std::string iterations = "PRAGMA kdf_iter = " + std::to_string(kDatabaseKeyIterations);
    if (sqlite3_key(mDb, key.data(), static_cast<int>(key.size())) != SQLITE_OK ||
        sqlite3_exec(mDb, iterations.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) {
        sqlite3_close(mDb);
        throw HistoryError("当選データファイル「" + file.string() + "」の暗号を設定できません。");
    }
}

SqlCipherDatabase::~SqlCipherDatabase() {
    sqlite3_close(mDb);
}

bool SqlCipherDatabase::IsReadable() {
    return sqlite3_exec(mDb, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr) ==
           SQLITE_OK;
}

void SqlCipherDatabase::Execute(const std::string& sql) {
    if (sqlite3_exec(mDb, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) {
        ThrowEngineError(mDb);
    }
}

std::string SqlCipherDatabase::LastError() const {
    return sqlite3_errmsg(mDb);
}

SqlStatement::SqlStatement(SqlCipherDatabase& db, const std::string& sql) : mDb(db) {
    if (sqlite3_prepare_v2(db.Handle(), sql.c_str(), static_cast<int>(sql.size()), &mStmt,
                           nullptr) != SQLITE_OK) {
        ThrowEngineError(db.Handle());
    }
}

SqlStatement::~SqlStatement() {
    sqlite3_finalize(mStmt);
}

std::optional<std::string> SqlStatement::Check(SqlCipherDatabase& db, const std::string& sql) {
    sqlite3_stmt* stmt = nullptr;
    const int rc =
        sqlite3_prepare_v2(db.Handle(), sql.c_str(), static_cast<int>(sql.size()), &stmt, nullptr);
    sqlite3_finalize(stmt);
    if (rc == SQLITE_OK) {
        return std::nullopt;
    }
    return db.LastError();
}

void SqlStatement::BindInt(int index, std::int64_t value) {
    if (sqlite3_bind_int64(mStmt, index, value) != SQLITE_OK) {
        ThrowEngineError(mDb.Handle());
    }
}

void SqlStatement::BindNull(int index) {
    if (sqlite3_bind_null(mStmt, index) != SQLITE_OK) {
        ThrowEngineError(mDb.Handle());
    }
}

void SqlStatement::BindText(int index, const std::string& value) {
    if (sqlite3_bind_text(mStmt, index, value.data(), static_cast<int>(value.size()),
                          SQLITE_TRANSIENT) != SQLITE_OK) {
        ThrowEngineError(mDb.Handle());
    }
}

bool SqlStatement::Step() {
    const int rc = sqlite3_step(mStmt);
    if (rc == SQLITE_ROW) {
        return true;
    }
    if (rc == SQLITE_DONE) {
        return false;
    }
    ThrowEngineError(mDb.Handle());
}

void SqlStatement::Reset() {
    sqlite3_reset(mStmt);
    sqlite3_clear_bindings(mStmt);
}

SqlTransaction::SqlTransaction(SqlCipherDatabase& db) : mDb(db) {
    mDb.Execute("BEGIN IMMEDIATE");
}

SqlTransaction::~SqlTransaction() {
    if (!mDone) {
        sqlite3_exec(mDb.Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
    }
}

void SqlTransaction::Commit() {
    mDb.Execute("COMMIT");
    mDone = true;
}

}  // namespace pirumo
