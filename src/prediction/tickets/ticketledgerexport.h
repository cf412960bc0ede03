#pragma once

#include <string>
#include <vector>

#include "grid/resultgrid.h"
#include "history/savedticket.h"
#include "prediction/tickets/ticketledger.h"

namespace pirumo {

// How amounts are written in the ledger grid: 1,000円 for people, 1000 for other programs.
enum class YenStyle { kReadable, kInteger };

// One row per draw of the ledger, then the total: tickets, spent, winners per class, won, the
// balance, what random tickets would win (mean, 95 % range), and the running totals. The window,
// the text and the CSV are made from it.
ResultGrid TicketLedgerGrid(const TicketLedger& ledger, YenStyle style);

// The summary under the table: what was spent and won, the return rate, and the random tickets.
std::string TicketLedgerSummary(const TicketLedger& ledger);

// The forms of `pirumo-cli tickets ledger` (UTF-8; amounts in JSON and CSV as integers).
std::string TicketLedgerToText(const TicketLedger& ledger);
std::string TicketLedgerToCsv(const TicketLedger& ledger);
// {"draws":[{"draw","date","tickets","spent","wins","won","expectedWon",
//  "expectedLow","expectedHigh","cumulativeSpent","cumulativeWon"}], "total":{…}}
std::string TicketLedgerToJson(const TicketLedger& ledger);

// The saved tickets, one line each: "番号 1  2 9 15 22 27  第1354回から".
std::string SavedTicketsToText(const std::vector<SavedTicket>& tickets);

}  // namespace pirumo
