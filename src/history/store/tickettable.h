#pragma once

#include <filesystem>
#include <vector>

#include "history/savedticket.h"

namespace pirumo {

class SqlCipherDatabase;

// The player's tickets live in the history file, in table 購入数字 of their own, so that they go
// wherever the draws go. A file without the table holds no tickets; the table is made by the
// first ticket added. Failures throw HistoryError with a Japanese message; a refused change
// leaves the file as it was.

inline constexpr int kMaxSavedTickets = 10000;

// The tickets in 番号 order.
std::vector<SavedTicket> ReadSavedTickets(const std::filesystem::path& file);

// Checks the ticket (five distinct numbers 1..31, draws within 1..32767, first before last),
// gives it the next free 番号 and stores it. Returns it as stored.
SavedTicket AddSavedTicket(const std::filesystem::path& file, SavedTicket ticket);

enum class TicketRemoval { kDeleted, kEnded };

// A ticket bought for every draw from some draw on, some of which the history already holds, is
// ended at `newestDraw` so that what it won stays on record; any other is deleted. Throws
// HistoryError for an unknown 番号.
TicketRemoval RemoveSavedTicket(const std::filesystem::path& file, int id, int newestDraw);

// For a file being replaced: the tickets of the old file, written into the new one.
std::vector<SavedTicket> ReadTicketTable(SqlCipherDatabase& db);
void WriteTicketTable(SqlCipherDatabase& db, const std::vector<SavedTicket>& tickets);

}  // namespace pirumo
