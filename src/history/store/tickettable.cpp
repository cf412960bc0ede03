#include "history/store/tickettable.h"

#include <sqlite3.h>

#include <algorithm>
#include <string>

#include "base/fileerror.h"
#include "base/inputfile.h"
#include "history/draw.h"
#include "history/historyerror.h"
#include "history/store/sqlcipherdatabase.h"

namespace pirumo {

namespace fs = std::filesystem;

namespace {

constexpr const char* kTicketSchema =
    "CREATE TABLE IF NOT EXISTS 購入数字 ("
    "番号 INTEGER PRIMARY KEY CHECK (番号 >= 1),"
    "第1数字 INTEGER NOT NULL, 第2数字 INTEGER NOT NULL, 第3数字 INTEGER NOT NULL,"
    "第4数字 INTEGER NOT NULL, 第5数字 INTEGER NOT NULL,"
    "開始回 INTEGER NOT NULL CHECK (開始回 BETWEEN 1 AND 32767),"
    "終了回 INTEGER CHECK (終了回 IS NULL OR 終了回 BETWEEN 開始回 AND 32767));";
constexpr const char* kTicketQuery =
    "SELECT 番号, 第1数字, 第2数字, 第3数字, 第4数字, 第5数字, 開始回, 終了回 FROM 購入数字 "
    "ORDER BY 番号";

std::string Quoted(const fs::path& file) {
    return "当選データファイル「" + file.string() + "」";
}

bool HasTicketTable(SqlCipherDatabase& db) {
    return !SqlStatement::Check(db, kTicketQuery).has_value();
}

// Five distinct numbers from 1 to 31, in ascending order after sorting.
bool HasTicketNumbers(std::array<int, 5> numbers) {
    std::sort(numbers.begin(), numbers.end());
    return IsLotteryNumber(numbers.front()) && IsLotteryNumber(numbers.back()) &&
           std::adjacent_find(numbers.begin(), numbers.end()) == numbers.end();
}

bool HasTicketDraws(const SavedTicket& ticket) {
    return ticket.firstDraw >= 1 && ticket.firstDraw <= kMaxDrawNumber &&
           (!ticket.lastDraw ||
            (*ticket.lastDraw >= ticket.firstDraw && *ticket.lastDraw <= kMaxDrawNumber));
}

void CheckTicket(const SavedTicket& ticket) {
    if (!HasTicketNumbers(ticket.numbers)) {
        throw HistoryError("購入した数字は1から31までの異なる五つの整数にしてください。");
    }
    if (!HasTicketDraws(ticket)) {
        throw HistoryError("購入した回は第1回から第32767回までにしてください。");
    }
}

// The file opened for a change or a read, checked to be a history file our key opens.
SqlCipherDatabase OpenHistory(const fs::path& file) {
    try {
        CheckInputFile(file, Quoted(file));
    } catch (const FileError& e) {
        throw HistoryError(e.what());
    }
    return SqlCipherDatabase(file, SqlCipherDatabase::Mode::kReadWrite);
}

}  // namespace

std::vector<SavedTicket> ReadTicketTable(SqlCipherDatabase& db) {
    std::vector<SavedTicket> tickets;
    if (!HasTicketTable(db)) {
        return tickets;
    }
    SqlStatement query(db, kTicketQuery);
    sqlite3_stmt* stmt = query.Handle();
    while (query.Step()) {
        SavedTicket ticket;
        ticket.id = sqlite3_column_int(stmt, 0);
        for (int i = 0; i < 5; ++i) {
            ticket.numbers[static_cast<std::size_t>(i)] = sqlite3_column_int(stmt, i + 1);
        }
        std::sort(ticket.numbers.begin(), ticket.numbers.end());
        ticket.firstDraw = sqlite3_column_int(stmt, 6);
        if (sqlite3_column_type(stmt, 7) != SQLITE_NULL) {
            ticket.lastDraw = sqlite3_column_int(stmt, 7);
        }
        if (!HasTicketNumbers(ticket.numbers) || !HasTicketDraws(ticket)) {
            throw HistoryError("購入した数字の番号" + std::to_string(ticket.id) +
                               "の数字か回が正しくありません。");
        }
        tickets.push_back(ticket);
        if (tickets.size() > static_cast<std::size_t>(kMaxSavedTickets)) {
            throw HistoryError("購入した数字が" + std::to_string(kMaxSavedTickets) +
                               "件を超えています。");
        }
    }
    return tickets;
}

void WriteTicketTable(SqlCipherDatabase& db, const std::vector<SavedTicket>& tickets) {
    db.Execute(kTicketSchema);
    SqlStatement insert(db,
                        "INSERT INTO 購入数字 (番号, 第1数字, 第2数字, 第3数字, 第4数字, 第5数字, "
                        "開始回, 終了回) VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
    for (const SavedTicket& ticket : tickets) {
        insert.BindInt(1, ticket.id);
        for (int i = 0; i < 5; ++i) {
            insert.BindInt(i + 2, ticket.numbers[static_cast<std::size_t>(i)]);
        }
        insert.BindInt(7, ticket.firstDraw);
        if (ticket.lastDraw) {
            insert.BindInt(8, *ticket.lastDraw);
        } else {
            insert.BindNull(8);
        }
        insert.Step();
        insert.Reset();
    }
}

std::vector<SavedTicket> ReadSavedTickets(const fs::path& file) {
    SqlCipherDatabase db = OpenHistory(file);
    db.RequireReadable(Quoted(file));
    return ReadTicketTable(db);
}

SavedTicket AddSavedTicket(const fs::path& file, SavedTicket ticket) {
    CheckTicket(ticket);
    std::sort(ticket.numbers.begin(), ticket.numbers.end());
    SqlCipherDatabase db = OpenHistory(file);
    db.RequireReadable(Quoted(file));
    SqlTransaction transaction(db);
    const std::vector<SavedTicket> tickets = ReadTicketTable(db);
    if (tickets.size() >= static_cast<std::size_t>(kMaxSavedTickets)) {
        throw HistoryError("購入した数字は" + std::to_string(kMaxSavedTickets) +
                           "件までしか保存できません。");
    }
    ticket.id = tickets.empty() ? 1 : tickets.back().id + 1;
    WriteTicketTable(db, {ticket});
    transaction.Commit();
    return ticket;
}

TicketRemoval RemoveSavedTicket(const fs::path& file, int id, int newestDraw) {
    SqlCipherDatabase db = OpenHistory(file);
    db.RequireReadable(Quoted(file));
    SqlTransaction transaction(db);
    const std::vector<SavedTicket> tickets = ReadTicketTable(db);
    const auto it = std::find_if(tickets.begin(), tickets.end(),
                                 [id](const SavedTicket& t) { return t.id == id; });
    if (it == tickets.end()) {
        throw HistoryError("番号" + std::to_string(id) + "の購入した数字はありません。");
    }
    const bool ends = !it->lastDraw && it->firstDraw <= newestDraw;
    SqlStatement change(db, ends ? "UPDATE 購入数字 SET 終了回 = ? WHERE 番号 = ?"
                                 : "DELETE FROM 購入数字 WHERE 番号 = ?");
    if (ends) {
        change.BindInt(1, newestDraw);
        change.BindInt(2, id);
    } else {
        change.BindInt(1, id);
    }
    change.Step();
    transaction.Commit();
    return ends ? TicketRemoval::kEnded : TicketRemoval::kDeleted;
}

}  // namespace pirumo
