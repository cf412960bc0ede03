#include "history/store/sqlcipherdatabase.h"

#include <sqlite3.h>

#include <cerrno>

#include "base/systemreason.h"
#include "history/historyerror.h"
#include "history/store/databasepassword.h"

namespace pirumo {

namespace {

constexpr int kBusyTimeoutMilliseconds = 5000;

int OpenFlags(SqlCipherDatabase::Mode mode) {
    return mode == SqlCipherDatabase::Mode::kCreate ? SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE
                                                    : SQLITE_OPEN_READWRITE;
}

std::string Label(const std::filesystem::path& file) {
    return "当選データファイル「" + file.string() + "」";
}

// "Cannot open" alone hides the usual cause, a permission the user lacks: the system's reason
// says it.
std::string ReasonOf(sqlite3* db, int code) {
    const int system = db != nullptr ? sqlite3_system_errno(db) : 0;
    if ((code & 0xff) == SQLITE_CANTOPEN && (system == EACCES || system == EPERM)) {
        return SystemReason(system, FileAccess::kRead);
    }
    return EngineReason(code);
}

}  // namespace

std::string EngineReason(int code) {
    switch (code & 0xff) {
        case SQLITE_CORRUPT:
            return "壊れています";
        case SQLITE_NOTADB:
            return "パスワードが違うか、当選データのファイルではありません";
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return "別のプログラムが書き込み中（使用中）です";
        case SQLITE_FULL:
            return "ディスクがいっぱいです";
        case SQLITE_READONLY:
        case SQLITE_PERM:
        case SQLITE_AUTH:
            return "書き込みの権限がありません";
        case SQLITE_CANTOPEN:
            return "ファイルを開けません";
        case SQLITE_IOERR:
            return "ディスクの読み書きに失敗しました";
        case SQLITE_NOMEM:
            return "メモリが足りません";
        case SQLITE_TOOBIG:
            return "値が大きすぎます";
        case SQLITE_INTERRUPT:
            return "読み込みに時間がかかりすぎるため中止しました";
        case SQLITE_CONSTRAINT:
            return "値が表の制約に合いません";
        case SQLITE_ERROR:
            return "表の形式が違います";
        default:
            return "エラー番号 " + std::to_string(code);
    }
}

SqlCipherDatabase::SqlCipherDatabase(const std::filesystem::path& file, Mode mode,
                                     const std::filesystem::path& namedAs)
    : mFile(file), mNamedAs(namedAs.empty() ? file : namedAs) {
    const int rc = sqlite3_open_v2(file.c_str(), &mDb, OpenFlags(mode), nullptr);
    if (rc != SQLITE_OK) {
        const std::string reason = ReasonOf(mDb, rc);
        sqlite3_close(mDb);
        throw HistoryError(Label(mNamedAs) + "を開けません（" + reason + "）。");
    }
    sqlite3_busy_timeout(mDb, kBusyTimeoutMilliseconds);
    const std::string key = DatabasePassword();
    const std::string iterations = "PRAGMA kdf_iter = " + std::to_string(kDatabaseKeyIterations);
    if (sqlite3_key(mDb, key.data(), static_cast<int>(key.size())) != SQLITE_OK ||
        sqlite3_exec(mDb, iterations.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) {
        sqlite3_close(mDb);
        throw HistoryError(Label(mNamedAs) + "の暗号を設定できません。");
    }
}

SqlCipherDatabase::~SqlCipherDatabase() {
    sqlite3_close(mDb);
}

int SqlCipherDatabase::Probe() {
    return sqlite3_exec(mDb, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
}

void SqlCipherDatabase::RequireReadable(const std::string& label) {
    const int rc = Probe();
    if (rc == SQLITE_OK) {
        return;
    }
    if ((rc & 0xff) == SQLITE_BUSY || (rc & 0xff) == SQLITE_LOCKED) {
        throw HistoryError(label + "は別のプログラムが書き込み中（使用中）です。" +
                           "しばらくしてからやり直してください。");
    }
    if ((rc & 0xff) == SQLITE_NOTADB) {
        throw HistoryError(label + "を開けません。" + EngineReason(rc) + "。");
    }
    throw HistoryError(label + "を開けません（" + ReasonOf(mDb, rc) + "）。");
}

void SqlCipherDatabase::Execute(const std::string& sql) {
    if (sqlite3_exec(mDb, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) {
        ThrowLastError();
    }
}

std::string SqlCipherDatabase::LastError() const {
    return sqlite3_errmsg(mDb);
}

std::string SqlCipherDatabase::LastReason() const {
    return ReasonOf(mDb, sqlite3_extended_errcode(mDb));
}

void SqlCipherDatabase::ThrowLastError() const {
    throw HistoryError(Label(mNamedAs) + "の処理に失敗しました（" + LastReason() + "）。");
}

SqlStatement::SqlStatement(SqlCipherDatabase& db, const std::string& sql) : mDb(db) {
    if (sqlite3_prepare_v2(db.Handle(), sql.c_str(), static_cast<int>(sql.size()), &mStmt,
                           nullptr) != SQLITE_OK) {
        db.ThrowLastError();
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
        mDb.ThrowLastError();
    }
}

void SqlStatement::BindNull(int index) {
    if (sqlite3_bind_null(mStmt, index) != SQLITE_OK) {
        mDb.ThrowLastError();
    }
}

void SqlStatement::BindText(int index, const std::string& value) {
    if (sqlite3_bind_text(mStmt, index, value.data(), static_cast<int>(value.size()),
                          SQLITE_TRANSIENT) != SQLITE_OK) {
        mDb.ThrowLastError();
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
    mDb.ThrowLastError();
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
