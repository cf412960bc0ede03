#pragma once

#include "chart/chart.h"
#include "prediction/tickets/ticketledger.h"

namespace pirumo {

// The ledger cumulatively over the draws with prize data: what was spent, what was won, and what
// the same tickets bought at random would have won (the mean, and the band holding 95 % of
// random buyers).
Chart TicketLedgerChart(const TicketLedger& ledger);

}  // namespace pirumo
