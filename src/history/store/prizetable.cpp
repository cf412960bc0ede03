#include "history/store/prizetable.h"

#include <sqlite3.h>

#include <string>

#include "history/prizefields.h"

namespace pirumo {

namespace {

// The prize columns, each quoted because the names start with a digit.
std::string PrizeColumnList() {
    std::string list;
    for (const char* name : kPrizeColumnNames) {
        list += list.empty() ? "\"" : ", \"";
        list += name;
        list += '"';
    }
    return list;
}

std::string Schema() {
    std::string schema =
        "CREATE TABLE 賞金データ (回数 INTEGER PRIMARY KEY CHECK (回数 BETWEEN 1 AND 32767)";
    for (const char* name : kPrizeColumnNames) {
        schema += std::string(", \"") + name + "\" INTEGER NOT NULL CHECK (\"" + name + "\" >= 0)";
    }
    return schema + ")";
}

// One row more than a file can hold, so that a table with too many is not read to the end.
std::string Query() {
    return "SELECT 回数, " + PrizeColumnList() + " FROM 賞金データ ORDER BY 回数 LIMIT " +
           std::to_string(kMaxDrawNumber + 1);
}

std::optional<std::int64_t> ReadCount(sqlite3_stmt* stmt, int column) {
    if (sqlite3_column_type(stmt, column) != SQLITE_INTEGER) {
        return std::nullopt;
    }
    const sqlite3_int64 v = sqlite3_column_int64(stmt, column);
    return v >= 0 && v <= kMaxPrizeValue ? std::optional<std::int64_t>(v) : std::nullopt;
}

}  // namespace

void WritePrizeTable(SqlCipherDatabase& db, const std::vector<Draw>& rows) {
    db.Execute(Schema());
    SqlStatement insert(db, "INSERT INTO 賞金データ (回数, " + PrizeColumnList() +
                                ") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)");
    for (const Draw& d : rows) {
        if (!d.prizes) {
            continue;
        }
        insert.BindInt(1, d.drawNumber);
        for (int c = 0; c < kPrizeColumnCount; ++c) {
            insert.BindInt(c + 2, PrizeColumnValue(*d.prizes, c));
        }
        insert.Step();
        insert.Reset();
    }
}

std::map<int, DrawPrizes> ReadPrizeTable(SqlCipherDatabase& db) {
    std::map<int, DrawPrizes> stored;
    const std::string query = Query();
    if (SqlStatement::Check(db, query)) {
        return stored;
    }
    SqlStatement select(db, query);
    sqlite3_stmt* stmt = select.Handle();
    while (select.Step()) {
        const std::optional<std::int64_t> drawNumber = ReadCount(stmt, 0);
        if (!drawNumber || *drawNumber < 1 || *drawNumber > kMaxDrawNumber) {
            continue;
        }
        DrawPrizes prizes;
        bool complete = true;
        for (int c = 0; c < kPrizeColumnCount && complete; ++c) {
            const auto value = ReadCount(stmt, c + 1);
            complete = value.has_value();
            SetPrizeColumnValue(prizes, c, value.value_or(0));
        }
        if (complete) {
            stored.emplace(static_cast<int>(*drawNumber), prizes);
        }
    }
    return stored;
}

void AttachPrizes(std::vector<Draw>& rows, const std::map<int, DrawPrizes>& stored) {
    if (stored.empty()) {
        return;
    }
    for (Draw& d : rows) {
        const auto found = stored.find(d.drawNumber);
        if (found != stored.end()) {
            d.prizes = found->second;
        }
    }
}

void DeleteStoredPrizes(SqlCipherDatabase& db, int drawNumber) {
    const std::string remove = "DELETE FROM 賞金データ WHERE 回数 = ?";
    if (SqlStatement::Check(db, remove)) {
        return;
    }
    SqlStatement statement(db, remove);
    statement.BindInt(1, drawNumber);
    statement.Step();
}

}  // namespace pirumo
