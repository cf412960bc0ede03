#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

namespace pirumo {

// One keyed connection to an encrypted history file. Failures of Execute and of statements
// throw HistoryError naming the file, with the engine's reason in Japanese. A connection waits
// a few seconds for another program's write to finish before it reports the file in use.
class SqlCipherDatabase {
public:
    enum class Mode { kReadWrite, kCreate };

    // `namedAs` is the file messages name, when `file` is the temporary name of its replacement.
    SqlCipherDatabase(const std::filesystem::path& file, Mode mode,
                      const std::filesystem::path& namedAs = {});
    ~SqlCipherDatabase();
    SqlCipherDatabase(const SqlCipherDatabase&) = delete;
    SqlCipherDatabase& operator=(const SqlCipherDatabase&) = delete;

    // The engine's result code for a first read: SQLITE_NOTADB when the key does not fit or the
    // file is no database at all, SQLITE_BUSY when a writer did not finish in time.
    int Probe();
    // Throws HistoryError, `label` followed by the reason, unless Probe() succeeds.
    void RequireReadable(const std::string& label);
    void Execute(const std::string& sql);
    std::string LastError() const;
    // The reason of the last failure in Japanese (「壊れています」, 「使用中です」...).
    std::string LastReason() const;
    [[noreturn]] void ThrowLastError() const;
    sqlite3* Handle() const { return mDb; }

private:
    sqlite3* mDb = nullptr;
    std::filesystem::path mFile;
    std::filesystem::path mNamedAs;
};

// A short Japanese reason for an engine result code.
std::string EngineReason(int code);

class SqlStatement {
public:
    SqlStatement(SqlCipherDatabase& db, const std::string& sql);
    ~SqlStatement();
    SqlStatement(const SqlStatement&) = delete;
    SqlStatement& operator=(const SqlStatement&) = delete;

    // The engine's message when sql cannot be prepared; nullopt when it can.
    static std::optional<std::string> Check(SqlCipherDatabase& db, const std::string& sql);

    void BindInt(int index, std::int64_t value);
    void BindNull(int index);
    void BindText(int index, const std::string& value);
    // True while a row is available; throws on an engine error.
    bool Step();
    void Reset();
    sqlite3_stmt* Handle() const { return mStmt; }

private:
    SqlCipherDatabase& mDb;
    sqlite3_stmt* mStmt = nullptr;
};

// BEGIN IMMEDIATE ... COMMIT; rolled back unless Commit() was reached.
class SqlTransaction {
public:
    explicit SqlTransaction(SqlCipherDatabase& db);
    ~SqlTransaction();
    SqlTransaction(const SqlTransaction&) = delete;
    SqlTransaction& operator=(const SqlTransaction&) = delete;
    void Commit();

private:
    SqlCipherDatabase& mDb;
    bool mDone = false;
};

}  // namespace pirumo
